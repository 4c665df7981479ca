#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "MountedVolume.h"

// The drives of a Linux system: the mounted volumes a user keeps files on (root file system,
// /home when separate, removable media, network mounts, RAM disks, optical media), read from
// the kernel's mount table. Kernel and system mounts (/proc, /sys, /dev, /run, ...) are not
// drives. Nothing here blocks on a volume except the check that its mount point is a folder.
class MountTable {
public:
    // The places the facts come from; tests point them at files of their own.
    struct Sources {
        QString mounts = QStringLiteral("/proc/self/mounts");
        QString blockDevices = QStringLiteral("/sys/class/block"); // holds <name>/removable
        QString labels = QStringLiteral("/dev/disk/by-label");     // links named by label
    };

    MountTable() = default;
    explicit MountTable(Sources sources) : m_sources(std::move(sources)) {}

    // The drives, sorted by mount point; where one mount hides another, the later one counts.
    QList<MountedVolume> volumes() const;
    // Mount points of the kernel's own file systems (proc, sysfs, ...), which hold no user files.
    QStringList pseudoMountPoints() const;

    // The drive type of a volume from its file system, device and mount point.
    DriveType classify(const MountedVolume &volume) const;

    // Image key of a type: "fixed", "remote", "remove", "cd", "ram" or "unknown".
    static QString imageKey(DriveType type);
    // How a drive is shown: "(mount point)" for removable media (their labels are not read),
    // otherwise the label in proper case, or a word for the type when there is none, then
    // " (mount point)": "Data (/srv/data)", "Local Disk (/)".
    static QString nodeText(const MountedVolume &volume);
    // "first letter of each word upper case, the rest lower case".
    static QString properCase(const QString &text);

private:
    QList<MountedVolume> entries() const;
    QString blockName(const QString &device) const;
    bool isRemovableDevice(const QString &device) const;
    QString labelOf(const QString &device) const;

    Sources m_sources;
};
