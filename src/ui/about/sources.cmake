tavro_folder(tavro_tool_windows ui/about
    AboutWindow.cpp AboutWindow.h
)
