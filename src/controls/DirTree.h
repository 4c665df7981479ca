#pragma once

#include <QWidget>

#include "MountTable.h"

class QTreeWidget;
class QTreeWidgetItem;

// The folder picker: a tree of the mounted volumes (see MountTable) and their folders, loaded one
// level at a time. A volume node shows its type's image; folder nodes show their names as they
// are (names differ by case on Linux) with the "folder" image, "open" while selected. Removable
// media are read only when picked. A click on a node picks it: Path becomes its folder, ending
// in "/", and PathChanged is raised. F5 reloads the volumes. Hidden folders are not listed.
class DirTree : public QWidget {
    Q_OBJECT
public:
    explicit DirTree(QWidget *parent = nullptr, MountTable mounts = MountTable());

    // Clears the tree and loads the volumes with their first level of folders.
    void GoList();
    // The last folder picked, ending in "/"; empty before the first pick.
    QString Path() const { return m_path; }

    // The inner tree view, named "DirTree".
    QTreeWidget *tree() const { return m_tree; }

signals:
    void PathChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void addFolders(QTreeWidgetItem *parent);
    void pick(QTreeWidgetItem *item);
    void expand(QTreeWidgetItem *item);

    MountTable m_mounts;
    QTreeWidget *m_tree = nullptr;
    QString m_path;
};
