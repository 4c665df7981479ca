#include "MountTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSet>

namespace {
// The kernel's own file systems: they describe the system, not the user's files.
const QSet<QString> kPseudo = {
    QStringLiteral("proc"),        QStringLiteral("sysfs"),    QStringLiteral("devtmpfs"),
    QStringLiteral("devpts"),      QStringLiteral("cgroup"),   QStringLiteral("cgroup2"),
    QStringLiteral("securityfs"),  QStringLiteral("pstore"),   QStringLiteral("bpf"),
    QStringLiteral("debugfs"),     QStringLiteral("tracefs"),  QStringLiteral("mqueue"),
    QStringLiteral("hugetlbfs"),   QStringLiteral("configfs"), QStringLiteral("fusectl"),
    QStringLiteral("binfmt_misc"), QStringLiteral("autofs"),   QStringLiteral("efivarfs"),
    QStringLiteral("rpc_pipefs"),  QStringLiteral("nsfs"),     QStringLiteral("selinuxfs"),
};
const QSet<QString> kRam = {QStringLiteral("tmpfs"), QStringLiteral("ramfs")};
const QSet<QString> kRemote = {
    QStringLiteral("nfs"),         QStringLiteral("nfs4"),      QStringLiteral("cifs"),
    QStringLiteral("smb3"),        QStringLiteral("smbfs"),     QStringLiteral("ncpfs"),
    QStringLiteral("afs"),         QStringLiteral("ceph"),      QStringLiteral("glusterfs"),
    QStringLiteral("9p"),          QStringLiteral("davfs"),     QStringLiteral("fuse.sshfs"),
    QStringLiteral("fuse.rclone"), QStringLiteral("fuse.s3fs"), QStringLiteral("fuse.davfs2"),
};
const QSet<QString> kOptical = {QStringLiteral("iso9660"), QStringLiteral("udf")};
const QSet<QString> kDisk = {
    QStringLiteral("ext2"),   QStringLiteral("ext3"),     QStringLiteral("ext4"),
    QStringLiteral("xfs"),    QStringLiteral("btrfs"),    QStringLiteral("f2fs"),
    QStringLiteral("jfs"),    QStringLiteral("reiserfs"), QStringLiteral("zfs"),
    QStringLiteral("nilfs2"), QStringLiteral("bcachefs"), QStringLiteral("overlay"),
    QStringLiteral("vfat"),   QStringLiteral("msdos"),    QStringLiteral("exfat"),
    QStringLiteral("ntfs"),   QStringLiteral("ntfs3"),    QStringLiteral("fuseblk"),
    QStringLiteral("hfs"),    QStringLiteral("hfsplus"),
};

bool under(const QString &path, const QString &folder)
{
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// Where the system keeps its own mounts; desktops mount removable media below /run/media.
bool inSystemArea(const QString &mountPoint)
{
    if (under(mountPoint, QStringLiteral("/run/media")))
        return false;
    for (const char *area : {"/proc", "/sys", "/dev", "/run", "/snap", "/var/lib/docker"})
        if (under(mountPoint, QLatin1String(area)))
            return true;
    return false;
}

bool mountedForUser(const QString &mountPoint)
{
    return under(mountPoint, QStringLiteral("/media")) ||
           under(mountPoint, QStringLiteral("/run/media"));
}

// The mount table writes blanks, tabs, newlines and backslashes as \ and three octal digits.
QString unescape(const QByteArray &field)
{
    QByteArray out;
    out.reserve(field.size());
    for (int i = 0; i < field.size(); ++i) {
        const QByteArray digits = field.mid(i + 1, 3);
        bool ok = false;
        const int code = field.at(i) == '\\' && digits.size() == 3 ? digits.toInt(&ok, 8) : -1;
        if (ok && code < 256) {
            out.append(char(code));
            i += 3;
        } else {
            out.append(field.at(i));
        }
    }
    return QFile::decodeName(out);
}

// udev names label links with \xHH for bytes that may not stand in a file name.
QString decodeLabel(const QString &name)
{
    QByteArray out;
    const QByteArray bytes = QFile::encodeName(name);
    for (int i = 0; i < bytes.size(); ++i) {
        bool ok = false;
        const int code = bytes.mid(i, 2) == "\\x" ? bytes.mid(i + 2, 2).toInt(&ok, 16) : -1;
        if (ok) {
            out.append(char(code));
            i += 3;
        } else {
            out.append(bytes.at(i));
        }
    }
    return QString::fromUtf8(out);
}

QString canonical(const QString &path)
{
    const QString resolved = QFileInfo(path).canonicalFilePath();
    return resolved.isEmpty() ? path : resolved;
}

QString typeWord(DriveType type)
{
    switch (type) {
    case DriveType::Fixed: return QStringLiteral("Local Disk");
    case DriveType::Remote: return QStringLiteral("Network Drive");
    case DriveType::CDRom: return QStringLiteral("CD Drive");
    case DriveType::RamDisk: return QStringLiteral("RAM Disk");
    default: return QStringLiteral("Volume");
    }
}
} // namespace

QList<MountedVolume> MountTable::entries() const
{
    QFile file(m_sources.mounts);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<MountedVolume> list;
    for (const QByteArray &line : file.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3)
            continue;
        MountedVolume volume;
        volume.device = unescape(fields.at(0));
        volume.mountPoint = QDir::cleanPath(unescape(fields.at(1)));
        volume.fsType = unescape(fields.at(2));
        if (volume.mountPoint.startsWith(QLatin1Char('/')))
            list.append(volume);
    }
    return list;
}

QList<MountedVolume> MountTable::volumes() const
{
    QMap<QString, MountedVolume> byMountPoint;
    for (const MountedVolume &entry : entries()) {
        if (kPseudo.contains(entry.fsType) || inSystemArea(entry.mountPoint))
            byMountPoint.remove(entry.mountPoint);
        else
            byMountPoint.insert(entry.mountPoint, entry);
    }
    QList<MountedVolume> list;
    for (MountedVolume volume : std::as_const(byMountPoint)) {
        volume.type = classify(volume);
        if (volume.type == DriveType::NoRootDir)
            continue;
        if (volume.type != DriveType::Removable)
            volume.label = labelOf(volume.device);
        list.append(volume);
    }
    return list;
}

QStringList MountTable::pseudoMountPoints() const
{
    QStringList list;
    for (const MountedVolume &entry : entries())
        if (kPseudo.contains(entry.fsType))
            list.append(entry.mountPoint);
    return list;
}

DriveType MountTable::classify(const MountedVolume &volume) const
{
    static const QRegularExpression opticalDevice(
        QStringLiteral("^/dev/(sr|scd)[0-9]+$|^/dev/cdrom$"));
    if (!QFileInfo(volume.mountPoint).isDir())
        return DriveType::NoRootDir;
    if (kRam.contains(volume.fsType))
        return DriveType::RamDisk;
    if (kRemote.contains(volume.fsType) || volume.device.startsWith(QLatin1String("//")) ||
        volume.device.contains(QLatin1String(":/")))
        return DriveType::Remote;
    if (kOptical.contains(volume.fsType) || opticalDevice.match(volume.device).hasMatch())
        return DriveType::CDRom;
    if (isRemovableDevice(volume.device) || mountedForUser(volume.mountPoint))
        return DriveType::Removable;
    if (kDisk.contains(volume.fsType))
        return DriveType::Fixed;
    return DriveType::Unknown;
}

QString MountTable::blockName(const QString &device) const
{
    if (!device.startsWith(QLatin1String("/dev/")))
        return {};
    return QFileInfo(canonical(device)).fileName();
}

bool MountTable::isRemovableDevice(const QString &device) const
{
    const QString name = blockName(device);
    if (name.isEmpty())
        return false;
    QString disk = m_sources.blockDevices + QLatin1Char('/') + name;
    // A partition has no flag of its own: its disk is the folder above it.
    if (QFileInfo::exists(disk + QStringLiteral("/partition")))
        disk = QFileInfo(canonical(disk)).absolutePath();
    QFile flag(disk + QStringLiteral("/removable"));
    return flag.open(QIODevice::ReadOnly) && flag.readAll().trimmed() == "1";
}

QString MountTable::labelOf(const QString &device) const
{
    const QString target = canonical(device);
    const QDir labels(m_sources.labels);
    for (const QFileInfo &link : labels.entryInfoList(QDir::System | QDir::Files | QDir::Hidden))
        if (link.isSymLink() && canonical(link.absoluteFilePath()) == target)
            return decodeLabel(link.fileName());
    return {};
}

QString MountTable::imageKey(DriveType type)
{
    switch (type) {
    case DriveType::Fixed: return QStringLiteral("fixed");
    case DriveType::Remote: return QStringLiteral("remote");
    case DriveType::Removable: return QStringLiteral("remove");
    case DriveType::CDRom: return QStringLiteral("cd");
    case DriveType::RamDisk: return QStringLiteral("ram");
    default: return QStringLiteral("unknown");
    }
}

QString MountTable::nodeText(const MountedVolume &volume)
{
    const QString where = QLatin1Char('(') + volume.mountPoint + QLatin1Char(')');
    if (volume.type == DriveType::Removable)
        return where;
    const QString name = volume.label.isEmpty() ? typeWord(volume.type) : properCase(volume.label);
    return name + QLatin1Char(' ') + where;
}

QString MountTable::properCase(const QString &text)
{
    QString out = text.toLower();
    bool wordStart = true;
    for (QChar &c : out) {
        if (wordStart)
            c = c.toUpper();
        wordStart = c.isSpace();
    }
    return out;
}
