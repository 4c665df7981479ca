#pragma once

#include <QListWidget>

// The folder list: the current folder's ancestors from "/" down to it (open-folder image,
// indented by depth), then its subfolders (folder image), hidden ones left out. Double-click or
// Enter on an entry makes it the current folder. Change is raised when Path changes.
class DirListBox : public QListWidget {
    Q_OBJECT
public:
    explicit DirListBox(QWidget *parent = nullptr);

    // Absolute, without a trailing "/" except for the root.
    QString Path() const { return m_path; }
    // A path that is not a folder is ignored. Setting the current path again re-reads it.
    void setPath(const QString &path);

signals:
    void Change();

private:
    void addEntry(const QString &text, const QString &path, int depth, bool open);

    QString m_path;
};
