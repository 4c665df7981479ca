#pragma once

#include <QIcon>
#include <QString>

// The images of the folder tree and the drive list, drawn at run time: "fixed", "remote",
// "remove", "cd", "ram", "unknown" (drive types, see MountTable::imageKey), "folder" and "open".
// An unknown key gives the "unknown" image. UI thread only.
class DriveIcons {
public:
    static QIcon icon(const QString &key);

private:
    static QPixmap draw(const QString &key);
};
