tavro_folder(tavro_tool_windows ui/mp3
    AppMessage.cpp AppMessage.h
    FolderPickerDialog.cpp FolderPickerDialog.h
    Mp3InfoWindow.cpp Mp3InfoWindow.h
    Mp3SearchWindow.cpp Mp3SearchWindow.h
    RenamerPage.cpp RenamerPage.h
    TagEditorPage.cpp TagEditorPage.h
    TagEditorWindow.cpp TagEditorWindow.h
    WorkingFolderBox.cpp WorkingFolderBox.h
)
