tavro_folder(tavro_platform platform/dialogs
    ConsoleMessageBox.cpp ConsoleMessageBox.h
    FileDialog.cpp FileDialog.h
    MessageBox.cpp MessageBox.h
)
