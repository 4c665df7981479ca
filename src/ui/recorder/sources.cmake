tavro_folder(tavro_tool_windows ui/recorder
    RecorderWindow.cpp RecorderWindow.h
    RecorderWindowControls.cpp RecorderWindowControls.h
)
