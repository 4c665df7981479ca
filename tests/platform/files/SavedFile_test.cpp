#include <functional>

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "CdRipSettings.h"
#include "FullDisk.h"
#include "M3uFile.h"
#include "SavedFile.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

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
