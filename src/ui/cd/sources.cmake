tavro_folder(tavro_tool_windows ui/cd
    CdToMp3Window.cpp CdToMp3Window.h
    CdToMp3WindowControls.cpp CdToMp3WindowControls.h
)
