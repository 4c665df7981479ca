#pragma once

#include <QDialog>

class DirTree;

// The tags editor's folder window: a folder tree and "Cancel". Picking a folder in the tree
// chooses it (FolderChosen) and closes the window; "Cancel" closes it without a choice. It keeps
// itself against the right edge of the editor. Modal; deletes itself when closed.
class FolderPickerDialog : public QDialog {
    Q_OBJECT
public:
    explicit FolderPickerDialog(QWidget *editor);

signals:
    // The folder picked, ending in "/".
    void FolderChosen(const QString &folder);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void placeBesideEditor();

    DirTree *m_tree = nullptr;
};
