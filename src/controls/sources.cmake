tavro_folder(tavro_controls controls
    ChameleonButton.cpp ChameleonButton.h
    CloseBoxSwitch.cpp CloseBoxSwitch.h
    DirListBox.cpp DirListBox.h
    DirTree.cpp DirTree.h
    DiscTrackList.cpp DiscTrackList.h
    DriveIcons.cpp DriveIcons.h
    DriveListBox.cpp DriveListBox.h
    FileListBox.cpp FileListBox.h
    FormBuilder.cpp FormBuilder.h
    OleColor.cpp OleColor.h
    ProgressBar.cpp ProgressBar.h
    ScreenPlacement.cpp ScreenPlacement.h
    WidgetFileDialog.cpp WidgetFileDialog.h
    WidgetMessageBox.cpp WidgetMessageBox.h
)
