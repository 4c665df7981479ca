tavro_folder(tavro_core remote
    RemoteControl.cpp RemoteControl.h
)
