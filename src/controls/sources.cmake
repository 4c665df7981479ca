tavro_folder(tavro_controls controls
    ButtonCanvas.cpp ButtonCanvas.h
    ButtonCaption.cpp ButtonCaption.h
    ButtonColors.cpp ButtonColors.h
    ButtonFrameLook.cpp ButtonFrameLook.h
    ButtonGlossLook.cpp ButtonGlossLook.h
    ButtonLayout.cpp ButtonLayout.h
    ButtonPicture.cpp ButtonPicture.h
    ButtonProperties.cpp ButtonProperties.h
    ButtonSettings.h
    ButtonShape.cpp ButtonShape.h
    ButtonState.h
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
