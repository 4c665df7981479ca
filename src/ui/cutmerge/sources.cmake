tavro_folder(tavro_tool_windows ui/cutmerge
    CutMergeWindow.cpp CutMergeWindow.h
    CutMergeWindowControls.cpp CutMergeWindowControls.h
)
