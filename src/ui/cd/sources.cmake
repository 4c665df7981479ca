tavro_folder(tavro_tool_windows ui/cd
    CdPlayerWindow.cpp CdPlayerWindow.h
    CdPlayerWindowControls.cpp CdPlayerWindowControls.h
    CdToMp3Window.cpp CdToMp3Window.h
    CdToMp3WindowControls.cpp CdToMp3WindowControls.h
)
