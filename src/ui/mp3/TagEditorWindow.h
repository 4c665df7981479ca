#pragma once

#include <QWidget>

class RenamerPage;
class TagEditorPage;

// "TAVRO MP3 Tags Editor": the "ID3" page (TagEditorPage) and the "RENAMER" page (RenamerPage),
// each with its own folder; "Change Directory" on either opens the folder window
// (FolderPickerDialog) for that page. The frame's close box is off; "Close" only hides the editor
// and shows the main window again, so the editor keeps its folders, fields and log for the next
// time; a rename run going on stops after its current file.
//
// The editor is one child window of the main window, made the first time it is opened: it is
// unloaded only together with the main window, and so only when the program ends.
class TagEditorWindow : public QWidget {
    Q_OBJECT
public:
    // `mainWindow` owns the editor and is shown again by "Close"; it may be null.
    explicit TagEditorWindow(QWidget *mainWindow = nullptr);

    // Shows the editor of `mainWindow` (made on first use) in place of the main window.
    static void showFor(QWidget *mainWindow);

private:
    // Opens the folder window for a page: 1 "ID3", 0 "RENAMER" (where the chosen folder goes).
    void changeDirectory(int page);

    TagEditorPage *m_id3 = nullptr;
    RenamerPage *m_renamer = nullptr;
};
