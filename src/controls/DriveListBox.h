#pragma once

#include <QComboBox>

#include "MountTable.h"

// The drive list: a drop-down of the mounted volumes (see MountTable), each with its type's
// image. Drive is the selected volume's mount point ("/" when the mount table gave none);
// Change is raised when it changes.
class DriveListBox : public QComboBox {
    Q_OBJECT
public:
    explicit DriveListBox(QWidget *parent = nullptr, MountTable mounts = MountTable());

    QString Drive() const;
    // Selects the volume that holds `path` (the one with the longest matching mount point).
    void setDrive(const QString &path);

signals:
    void Change();
};
