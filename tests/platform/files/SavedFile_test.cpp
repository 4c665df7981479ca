#include <functional>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "CdRipSettings.h"
#include "M3uFile.h"
#include "SavedFile.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
// A 64 KiB file system, filled up: where the machine lets the tests mount one.
class FullDisk {
public:
    FullDisk()
    {
        m_mounted = TestMedia::run(u"mount"_s,
                                   {"-t", "tmpfs", "-o", "size=64k", "tmpfs", m_dir.path()}) == 0;
        if (!m_mounted)
            return;
        TestMedia::writeFile(path(u"old"_s), "old content\n");
        QFile filler(path(u"filler"_s));
        filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
        while (filler.write(QByteArray(1024, 'z')) == 1024) {
        }
    }
    ~FullDisk()
    {
        if (m_mounted)
            TestMedia::run(u"umount"_s, {m_dir.path()});
    }
    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
} // namespace

TEST(SavedFileTest, AFullDiskKeepsTheOldFileAndSaysSo)
{
    const FullDisk disk;
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    const QString old = disk.path(u"old"_s);
    const QStringList longList(100, u"/some/long/path/to/a/file/name.mp3"_s);
    const struct {
        const char *name;
        std::function<bool()> save;
    } writers[] = {
        {"bytes", [&] { return SavedFile::write(old, QByteArray(8000, 'x')); }},
        {"play list", [&] { return M3uFile::SavePlaylist(old, longList); }},
        {"ripping settings",
         [&] {
             CdRipSettings settings;
             settings.images = longList;
             return settings.save(old);
         }},
    };
    for (const auto &writer : writers) {
        EXPECT_FALSE(writer.save()) << writer.name;
        EXPECT_EQ(TestMedia::readFile(old), "old content\n") << writer.name;
        EXPECT_EQ(QDir(disk.path({})).count(), 4u) << writer.name; // ., .., old, filler
    }
    QFile::remove(disk.path(u"filler"_s));
    EXPECT_TRUE(SavedFile::write(old, "new\n"));
    EXPECT_EQ(TestMedia::readFile(old), "new\n");
}
