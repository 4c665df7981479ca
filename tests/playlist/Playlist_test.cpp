#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>

#include "DisplayName.h"
#include "M3uFile.h"
#include "Playlist.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// Names are file names without their last extension (blank without one); a removal keeps the
// two lists aligned and selects nothing.
TEST(Playlist, NamesAndRemovals)
{
    Playlist list;
    QSignalSpy appended(&list, &Playlist::entriesAppended);
    list.appendAll({});
    list.append("/m/one.mp3");
    list.appendAll({"/m/my.two.mp3", "/m.d/x", "/m/four.mp3"});
    EXPECT_EQ(list.names(), (QStringList{"one", "my.two", "", "four"}));
    EXPECT_EQ(appended.size(), 2);
    EXPECT_EQ(appended.at(1).at(0).toInt(), 1);
    list.setSelectedIndex(3);
    list.removeAt(7);
    EXPECT_EQ(list.selectedPath(), "/m/four.mp3");
    list.removeAt(2);
    EXPECT_EQ(list.paths(), (QStringList{"/m/one.mp3", "/m/my.two.mp3", "/m/four.mp3"}));
    EXPECT_EQ(list.name(2), "four");
    EXPECT_EQ(list.selectedIndex(), -1);
}

namespace {
class M3uFileTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QTemporaryDir m_dir;
};
} // namespace

TEST_F(M3uFileTest, SavedListReadsBackInOrderWithCrLfAndEveryLineIsAnEntry)
{
    const QStringList paths = {u"/music/a song.mp3"_s, u"/música/ünïcode.mp3"_s, u"rel/c.mp3"_s};
    ASSERT_TRUE(M3uFile::SavePlaylist(path("list.m3u"), paths));
    EXPECT_EQ(TestMedia::readFile(path("list.m3u")),
              "/music/a song.mp3\r\n/m\xc3\xbasica/\xc3\xbcn\xc3\xaf"
              "code.mp3\r\nrel/c.mp3\r\n");
    QStringList read{u"kept"_s};
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("list.m3u"), read));
    EXPECT_EQ(read, QStringList{u"kept"_s} + paths);

    // Trailing blanks go; nothing is interpreted.
    TestMedia::writeFile(path("x.m3u"),
                         "#EXTM3U\r\n/a.mp3   \n\n  /b.mp3\t\r\nlast-without-newline");
    read.clear();
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("x.m3u"), read));
    EXPECT_EQ(read, (QStringList{"#EXTM3U", "/a.mp3", "", "  /b.mp3", "last-without-newline"}));
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
    EXPECT_EQ(read.last(), u"/next.mp3"_s);

    TestMedia::writeFile(path("many.m3u"),
                         QByteArray("/a.mp3\n").repeated(M3uFile::kMaxEntries + 10));
    read.clear();
    ASSERT_TRUE(M3uFile::OpenPlaylist(path("many.m3u"), read));
    EXPECT_EQ(read.size(), M3uFile::kMaxEntries);
}

TEST_F(M3uFileTest, FailedSaveLeavesTheOldFile)
{
    TestMedia::writeFile(path("old.m3u"), "/kept.mp3\r\n");
    EXPECT_FALSE(M3uFile::SavePlaylist(path("old.m3u"), {u"/a"_s, u"/two\nlines.mp3"_s}));
    EXPECT_FALSE(M3uFile::SavePlaylist(m_dir.filePath(u"no/such/dir/x.m3u"_s), {u"/a"_s}));
    EXPECT_EQ(TestMedia::readFile(path("old.m3u")), QByteArray("/kept.mp3\r\n"));
}
