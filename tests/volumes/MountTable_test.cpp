#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "MountTable.h"
#include "TestMedia.h"

namespace {
// A made-up system: mount points are real folders below a temporary root, the kernel's mount
// table, the block devices' removable flags and the label links are files of the test.
class MountTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_root.isValid());
        m_sources.mounts = path("mounts");
        m_sources.blockDevices = path("sys");
        m_sources.labels = path("labels");
        QDir(m_root.path()).mkpath(QStringLiteral("labels"));
    }

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    QString folder(const QString &relative) const
    {
        QDir(m_root.path()).mkpath(relative);
        return path(relative);
    }
    void writeMounts(const QStringList &lines) const
    {
        ASSERT_TRUE(TestMedia::writeFile(m_sources.mounts, lines.join(QLatin1Char('\n')).toUtf8()));
    }
    // A disk with one partition, as sysfs shows them: the partition's folder lies in the disk's.
    void blockDevice(const QString &disk, const QString &partition, bool removable) const
    {
        QDir(m_root.path()).mkpath(QStringLiteral("sys/%1/%2").arg(disk, partition));
        TestMedia::writeFile(path(QStringLiteral("sys/%1/removable").arg(disk)),
                             removable ? "1\n" : "0\n");
        TestMedia::writeFile(path(QStringLiteral("sys/%1/%2/partition").arg(disk, partition)),
                             "1\n");
        QFile::link(path(QStringLiteral("sys/%1/%2").arg(disk, partition)),
                    path(QStringLiteral("sys/") + partition));
    }
    MountedVolume volume(const QString &device, const QString &mountPoint,
                         const QString &fsType) const
    {
        return {device, mountPoint, fsType, QString(), DriveType::Unknown};
    }

    QTemporaryDir m_root;
    MountTable::Sources m_sources;
};
} // namespace

TEST_F(MountTableTest, ClassifiesByFileSystemDeviceAndPlace)
{
    const MountTable table(m_sources);
    const QString place = folder(QStringLiteral("mnt/x"));
    blockDevice(QStringLiteral("sdb"), QStringLiteral("sdb1"), true);
    blockDevice(QStringLiteral("sda"), QStringLiteral("sda2"), false);
    const struct {
        const char *device;
        const char *fsType;
        DriveType expected;
    } cases[] = {
        {"/dev/sda2", "ext4", DriveType::Fixed},        {"overlay", "overlay", DriveType::Fixed},
        {"/dev/sdb1", "vfat", DriveType::Removable}, // its disk says removable
        {"/dev/sr0", "iso9660", DriveType::CDRom},      {"/dev/sr1", "auto", DriveType::CDRom},
        {"server:/export", "nfs4", DriveType::Remote},  {"//nas/music", "cifs", DriveType::Remote},
        {"me@host:", "fuse.sshfs", DriveType::Remote},  {"tmpfs", "tmpfs", DriveType::RamDisk},
        {"/dev/loop3", "squashfs", DriveType::Unknown},
    };
    for (const auto &c : cases)
        EXPECT_EQ(table.classify(volume(QLatin1String(c.device), place, QLatin1String(c.fsType))),
                  c.expected)
            << c.device << ' ' << c.fsType;
    EXPECT_EQ(table.classify(volume(QStringLiteral("/dev/sda2"), path(QStringLiteral("gone")),
                                    QStringLiteral("ext4"))),
              DriveType::NoRootDir);
    // Desktops mount plugged-in media below /media; that alone makes a volume removable.
    if (QFileInfo(QStringLiteral("/media")).isDir()) {
        EXPECT_EQ(table.classify(volume(QStringLiteral("/dev/sdz1"), QStringLiteral("/media"),
                                        QStringLiteral("ext4"))),
                  DriveType::Removable);
    }
}

TEST_F(MountTableTest, ListsUserVolumesSortedWithLabelsAndLeavesSystemMountsOut)
{
    const QString data = folder(QStringLiteral("srv/my data"));
    const QString music = folder(QStringLiteral("srv/music"));
    const QString stick = folder(QStringLiteral("srv/stick"));
    const QString device = path(QStringLiteral("dev-sdc1"));
    TestMedia::writeFile(device, {});
    QFile::link(device, path(QStringLiteral("labels/BIG\\x20DATA")));
    blockDevice(QStringLiteral("sdd"), QStringLiteral("sdd1"), true);
    const QString escapedData = QString(data).replace(QLatin1Char(' '), QStringLiteral("\\040"));
    writeMounts({
        QStringLiteral("proc /proc proc rw 0 0"),
        QStringLiteral("tmpfs /run tmpfs rw 0 0"),
        QStringLiteral("devpts /dev/pts devpts rw 0 0"),
        QStringLiteral("%1 %2 ext4 rw 0 0").arg(device, escapedData),
        QStringLiteral("/dev/sdd1 %1 vfat rw 0 0").arg(stick),
        QStringLiteral("server:/music %1 nfs rw 0 0").arg(music),
        QStringLiteral("proc %1 proc rw 0 0").arg(music), // hides the share below it
        QStringLiteral("/dev/sda1 %1 ext4 rw 0 0").arg(path(QStringLiteral("a-file"))),
    });
    const QList<MountedVolume> volumes = MountTable(m_sources).volumes();
    ASSERT_EQ(volumes.size(), 2);
    EXPECT_EQ(volumes.at(0).mountPoint, data);
    EXPECT_EQ(volumes.at(0).type, DriveType::Fixed);
    EXPECT_EQ(volumes.at(0).label, QStringLiteral("BIG DATA"));
    EXPECT_EQ(MountTable::nodeText(volumes.at(0)), QStringLiteral("Big Data (%1)").arg(data));
    EXPECT_EQ(volumes.at(1).mountPoint, stick);
    EXPECT_EQ(MountTable::nodeText(volumes.at(1)), QStringLiteral("(%1)").arg(stick));
    EXPECT_EQ(MountTable::properCase(QStringLiteral("my OLD  disk")),
              QStringLiteral("My Old  Disk"));
    EXPECT_EQ(MountTable(m_sources).pseudoMountPoints(),
              (QStringList{QStringLiteral("/proc"), QStringLiteral("/dev/pts"), music}));
}

TEST_F(MountTableTest, BrokenOrMissingTableGivesNoVolumes)
{
    m_sources.mounts = path(QStringLiteral("missing"));
    EXPECT_TRUE(MountTable(m_sources).volumes().isEmpty());
    m_sources.mounts = path(QStringLiteral("mounts"));
    writeMounts({QStringLiteral("\x01\x02 garbage"), QString(),
                 QStringLiteral("a relative/path ext4"), QStringLiteral("x /trailing\\")});
    EXPECT_TRUE(MountTable(m_sources).volumes().isEmpty());
}
