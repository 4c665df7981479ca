#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "MountTable.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
// A made-up system: mount points are real folders below a temporary root, the kernel's mount
// table, the block devices' removable flags and the label links are files of the test.
class MountTableTest : public ::testing::Test {
protected:
    void SetUp() override { m_sources = {path("mounts"), path("sys"), folder("labels")}; }

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
        const QString disks = folder(u"sys/%1/%2"_s.arg(disk, partition));
        TestMedia::writeFile(path(u"sys/%1/removable"_s.arg(disk)), removable ? "1\n" : "0\n");
        TestMedia::writeFile(disks + u"/partition"_s, "1\n");
        QFile::link(disks, path(u"sys/"_s + partition));
    }
    DriveType classify(const QString &device, const QString &mountPoint,
                       const QString &fsType) const
    {
        return MountTable(m_sources).classify({device, mountPoint, fsType, {}, DriveType::Unknown});
    }

    QTemporaryDir m_root;
    MountTable::Sources m_sources;
};
} // namespace

TEST_F(MountTableTest, ClassifiesByFileSystemDeviceAndPlace)
{
    const QString place = folder(u"mnt/x"_s);
    blockDevice(u"sdb"_s, u"sdb1"_s, true);
    blockDevice(u"sda"_s, u"sda2"_s, false);
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
        EXPECT_EQ(classify(QLatin1String(c.device), place, QLatin1String(c.fsType)), c.expected)
            << c.device << ' ' << c.fsType;
    EXPECT_EQ(classify(u"/dev/sda2"_s, path(u"gone"_s), u"ext4"_s), DriveType::NoRootDir);
    // Desktops mount plugged-in media below /media; that alone makes a volume removable.
    if (QFileInfo(u"/media"_s).isDir()) {
        EXPECT_EQ(classify(u"/dev/sdz1"_s, u"/media"_s, u"ext4"_s), DriveType::Removable);
    }
}

TEST_F(MountTableTest, ListsUserVolumesSortedWithLabelsAndLeavesSystemMountsOut)
{
    const QString data = folder(u"srv/my data"_s);
    const QString music = folder(u"srv/music"_s);
    const QString stick = folder(u"srv/stick"_s);
    const QString device = path(u"dev-sdc1"_s);
    TestMedia::writeFile(device, {});
    QFile::link(device, path(u"labels/BIG\\x20DATA"_s));
    blockDevice(u"sdd"_s, u"sdd1"_s, true);
    writeMounts({
        u"proc /proc proc rw 0 0"_s,
        u"tmpfs /run tmpfs rw 0 0"_s,
        u"devpts /dev/pts devpts rw 0 0"_s,
        u"%1 %2 ext4 rw 0 0"_s.arg(device, QString(data).replace(' ', "\\040")),
        u"/dev/sdd1 %1 vfat rw 0 0"_s.arg(stick),
        u"server:/music %1 nfs rw 0 0"_s.arg(music),
        u"proc %1 proc rw 0 0"_s.arg(music), // hides the share below it
        u"/dev/sda1 %1 ext4 rw 0 0"_s.arg(path(u"a-file"_s)),
    });
    const QList<MountedVolume> volumes = MountTable(m_sources).volumes();
    ASSERT_EQ(volumes.size(), 2);
    EXPECT_EQ(volumes.at(0).type, DriveType::Fixed);
    EXPECT_EQ(volumes.at(0).label, u"BIG DATA"_s);
    EXPECT_EQ(MountTable::nodeText(volumes.at(0)), u"Big Data (%1)"_s.arg(data));
    EXPECT_EQ(MountTable::nodeText(volumes.at(1)), u"(%1)"_s.arg(stick));
    EXPECT_EQ(MountTable(m_sources).pseudoMountPoints(),
              (QStringList{u"/proc"_s, u"/dev/pts"_s, music}));
}

TEST_F(MountTableTest, BrokenOrMissingTableGivesNoVolumes)
{
    EXPECT_TRUE(MountTable(m_sources).volumes().isEmpty()); // not written yet
    writeMounts({u"\x01\x02 garbage"_s, QString(), u"a relative/path ext4"_s, u"x /trailing\\"_s});
    EXPECT_TRUE(MountTable(m_sources).volumes().isEmpty());
}
