#pragma once

#include <QString>

// What kind of drive a mounted volume is, numbered as the drive-type codes the folder tree and
// the drive list know: each type has its own image.
enum class DriveType {
    Unknown = 0,
    NoRootDir = 1,
    Removable = 2,
    Fixed = 3,
    Remote = 4,
    CDRom = 5,
    RamDisk = 6
};

// One mounted volume as the drive list and the folder tree show it.
struct MountedVolume {
    QString device;     // as mounted, for example /dev/sda2, server:/export, tmpfs
    QString mountPoint; // absolute, without a trailing "/" except the root itself
    QString fsType;     // ext4, nfs4, iso9660, tmpfs, ...
    QString label;      // file-system label; empty when it has none
    DriveType type = DriveType::Unknown;
};
