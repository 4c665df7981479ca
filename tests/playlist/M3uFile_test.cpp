#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "M3uFile.h"
#include "TestMedia.h"

namespace {
class M3uFileTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};
} // namespace

TEST_F(M3uFileTest, SavedListReadsBackInOrderWithCrLf)
{
    const QStringList paths = {QStringLiteral("/music/a song.mp3"), QStringLiteral("/music/b.mp3"),
                               QStringLiteral("/música/ünïcode.mp3"),
                               QStringLiteral("relative/c.mp3")};
    ASSERT_TRUE(M3uFile::SavePlaylist(path("list.m3u"), paths));
    EXPECT_EQ(TestMedia::readFile(path("list.m3u")),
              QByteArray("/music/a song.mp3\r\n/music/b.mp3\r\n/m\xc3\xbasica/\xc3\xbcn\xc3\xaf"
                         "code.mp3\r\n"
                         "relative/c.mp3\r\n"));
    QStringList read;
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("list.m3u"), read));
    EXPECT_EQ(read, paths);
}

TEST_F(M3uFileTest, EveryLineIsAnEntryWithTrailingBlanksRemoved)
{
    TestMedia::writeFile(path("x.m3u"),
                         "#EXTM3U\r\n/a.mp3   \n\n  /b.mp3\t\r\nlast-without-newline");
    QStringList read{QStringLiteral("kept")};
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("x.m3u"), read));
    EXPECT_EQ(read, (QStringList{QStringLiteral("kept"), QStringLiteral("#EXTM3U"),
                                 QStringLiteral("/a.mp3"), QString(), QStringLiteral("  /b.mp3"),
                                 QStringLiteral("last-without-newline")}));
}

TEST_F(M3uFileTest, HostileFilesAreReadSafely)
{
    QStringList read;
    EXPECT_FALSE(M3uFile::OpenPlaylist(path("missing.m3u"), read));
    EXPECT_FALSE(M3uFile::OpenPlaylist(QString(), read));
    EXPECT_TRUE(read.isEmpty());

    QByteArray junk;
    for (int i = 0; i < 300000; ++i)
        junk.append(char((i * 131) % 256));
    TestMedia::writeFile(path("junk.m3u"), junk);
    EXPECT_TRUE(M3uFile::OpenPlaylist(path("junk.m3u"), read));

    // A line far longer than any path is cut, and the next line is still its own entry.
    TestMedia::writeFile(path("long.m3u"), QByteArray(300000, 'x') + "\n/next.mp3\n");
    read.clear();
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("long.m3u"), read));
    ASSERT_EQ(read.size(), 2);
    EXPECT_LT(read.first().size(), M3uFile::kMaxLineBytes);
    EXPECT_EQ(read.last(), QStringLiteral("/next.mp3"));

    TestMedia::writeFile(path("many.m3u"),
                         QByteArray("/a.mp3\n").repeated(M3uFile::kMaxEntries + 10));
    read.clear();
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("many.m3u"), read));
    EXPECT_EQ(read.size(), M3uFile::kMaxEntries);
}

TEST_F(M3uFileTest, FailedSaveLeavesTheOldFile)
{
    TestMedia::writeFile(path("old.m3u"), "/kept.mp3\r\n");
    EXPECT_FALSE(M3uFile::SavePlaylist(m_dir.filePath(QStringLiteral("no/such/dir/x.m3u")),
                                       {QStringLiteral("/a")}));
    EXPECT_EQ(TestMedia::readFile(path("old.m3u")), QByteArray("/kept.mp3\r\n"));
}
