#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "Mp3Decoder.h"
#include "Mp3Duration.h"
#include "Mp3Search.h"
#include "TestMedia.h"

// The searcher's walk, and the durations it reports (Mp3Duration), which must be the player's.

namespace {
class Mp3SearchTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(TestMedia::makeMp3(m_tone, 1, {"-b", "128"})); }

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    void mp3(const QStringList &names) const
    {
        for (const QString &name : names) {
            QDir(m_root.path()).mkpath(QFileInfo(name).path());
            ASSERT_TRUE(QFile::copy(m_tone, path(name)));
        }
    }
    // Runs the search; gives each row as "folder relative to the root/name", then the counts of
    // folders entered, files found and folders that could not be read.
    QStringList search(const QString &start = {})
    {
        QStringList found;
        const auto connection =
            QObject::connect(&m_search, &Mp3Search::fileFound, [&](const Mp3Search::Row &row) {
                EXPECT_EQ(row.path, row.folder + '/' + row.name);
                found << QDir(m_root.path()).relativeFilePath(row.path);
            });
        m_search.run(start.isEmpty() ? m_root.path() : path(start));
        QObject::disconnect(connection);
        return found << QStringLiteral("%1 %2 %3")
                            .arg(m_search.directories())
                            .arg(m_search.files())
                            .arg(m_search.unreadable());
    }

    // A tone encoded by lame outside the searched tree.
    QString encode(const QString &name, double seconds, const QString &options, int rate = 44100,
                   int channels = 2)
    {
        const QString path = m_outside.filePath(name);
        EXPECT_TRUE(TestMedia::makeMp3(path, seconds, options.split(' '), 440, rate, channels));
        return path;
    }
    // The player's own measurement: a scan of every frame.
    static double played(const QString &path)
    {
        Mp3Decoder decoder;
        return decoder.open(path) ? decoder.durationSeconds() : 0.0;
    }

    QTemporaryDir m_root;
    QTemporaryDir m_outside;
    const QString m_tone = m_outside.filePath("far.mp3");
    Mp3Search m_search;
    Mp3Duration m_duration;
};
} // namespace

TEST_F(Mp3SearchTest, ListsATreeLevelByLevelInNameOrderWithTheWindowsTexts)
{
    mp3({"b.MP3", "a.mp3", ".hidden.mp3", "Zed/z1.mp3", "Zed/deeper/e.mp3", "alpha/a1.mp3",
         "alpha/deep/d.mp3", ".git/x.mp3"});
    TestMedia::writeFile(path("c.wav"), "not audio");
    QDir(m_root.path()).mkpath(".git/objects");
    EXPECT_EQ(search(), (QStringList{"a.mp3", "b.MP3", "alpha/a1.mp3", "Zed/z1.mp3",
                                     "alpha/deep/d.mp3", "Zed/deeper/e.mp3", "5 6 0"}));

    // The texts of each row (the window's test shows them in place).
    const std::pair<qint64, const char *> sizes[] = {
        {4000000, "3.81 MB"}, {1048576, "1.00 MB"}, {0, "0.00 MB"}};
    for (const auto &[bytes, text] : sizes)
        EXPECT_EQ(Mp3Search::sizeText(bytes), text);
    const std::pair<double, const char *> durations[] = {
        {239.4, "3:59"}, {239.6, "4:0"}, {245.0, "4:5"},   {0.0, "0:0"},
        {59.5, "1:0"},   {62.5, "1:2"},  {3600.0, "60:0"},
    };
    for (const auto &[seconds, text] : durations)
        EXPECT_EQ(Mp3Search::durationText(seconds), text) << seconds;
}

TEST_F(Mp3SearchTest, FilesMeasuredAtOnceAreReportedInTheWalksOrderFromItsThread)
{
    // Without an info frame the long file is scanned frame by frame while the short ones after
    // it are done.
    ASSERT_TRUE(QFile::copy(encode("slow.mp3", 90, "-t -b 32"), path("a.mp3")));
    mp3({"b.mp3", "c.mp3", "sub/d.mp3"});
    QStringList lengths;
    QObject::connect(&m_search, &Mp3Search::fileFound, [&](const Mp3Search::Row &row) {
        EXPECT_EQ(QThread::currentThread(), m_search.thread());
        lengths << row.durationText;
    });
    EXPECT_EQ(search(), (QStringList{"a.mp3", "b.mp3", "c.mp3", "sub/d.mp3", "2 4 0"}));
    EXPECT_EQ(lengths, (QStringList{"1:30", "0:1", "0:1", "0:1"}));
}

TEST_F(Mp3SearchTest, FollowsLinksOnceAndNeverLoops)
{
    mp3({"a/deep/d.mp3", "b/b.mp3"});
    QFile::link(path("."), path("a/deep/up"));          // back to the start
    QFile::link(path("a"), path("b/again"));            // already queued
    QFile::link(m_outside.path(), path("b/elsewhere")); // new: followed
    QFile::link(path("gone"), path("b/broken.mp3"));    // dangles
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("b/pipe.mp3")).constData(), 0600), 0);
    // Folders: start, a, b, a/deep, b/elsewhere.
    EXPECT_EQ(search(), (QStringList{"b/b.mp3", "a/deep/d.mp3", "b/elsewhere/far.mp3", "5 3 0"}));
}

TEST_F(Mp3SearchTest, FolderThatCannotBeOpenedIsCountedAndSkipped)
{
    mp3({"first/1.mp3", "second/2.mp3", "second/below/3.mp3", "shut/4.mp3"});
    const bool root = ::geteuid() == 0; // root reads every folder
    ::chmod(QFile::encodeName(path("shut")).constData(), 0);
    // The second folder disappears after it was queued and before it is read.
    QObject::connect(&m_search, &Mp3Search::folderEntered, [&](const QString &folder) {
        if (folder.endsWith("/first"))
            QDir(path("second")).removeRecursively();
    });
    EXPECT_EQ(search(), (root ? QStringList{"first/1.mp3", "shut/4.mp3", "4 2 1"}
                              : QStringList{"first/1.mp3", "4 1 2"}));
    ::chmod(QFile::encodeName(path("shut")).constData(), 0700);
    EXPECT_EQ(search("nowhere"), QStringList{"1 0 1"});
}

TEST_F(Mp3SearchTest, CancelEndsTheWalkBeforeTheNextFileOrFolder)
{
    mp3({"a.mp3", "b.mp3", "sub/c.mp3"});
    QStringList entered;
    QObject::connect(&m_search, &Mp3Search::folderEntered,
                     [&](const QString &folder) { entered << folder; });
    QObject::connect(&m_search, &Mp3Search::fileFound, [&] { m_search.cancel(); });
    EXPECT_EQ(search(), (QStringList{"a.mp3", "1 1 0"}));
    EXPECT_EQ(entered, QStringList{m_root.path()});
    EXPECT_EQ(search(), QStringList{"0 0 0"}); // and it stays cancelled
}

TEST_F(Mp3SearchTest, DurationIsThePlayersSecondsForEveryKindOfFile)
{
    const std::pair<QString, double> cases[] = {
        {encode("cbr.mp3", 3, "-b 128"), 3.0},
        {encode("vbr.mp3", 3, "-V 2"), 3.0},
        {encode("mpeg2-mono.mp3", 2, "-V 6", 22050, 1), 2.0},
        {encode("mpeg25.mp3", 2, "-b 32", 8000, 1), 2.0},
        // Without an info frame the frames must be counted; the length then includes the
        // encoder's delay and padding, as the player reports it too.
        {encode("untagged-vbr.mp3", 3, "-t -V 4"), 3.05},
    };
    for (const auto &[file, nominal] : cases) {
        const double seconds = m_duration.seconds(file);
        EXPECT_DOUBLE_EQ(seconds, played(file)) << file.toStdString();
        EXPECT_NEAR(seconds, nominal, 0.06) << file.toStdString();
    }
}

TEST_F(Mp3SearchTest, DurationDoesNotTrustAnInfoFrameTheFileContradicts)
{
    const QByteArray bytes = TestMedia::readFile(encode("whole.mp3", 4, "-V 2"));
    TestMedia::writeFile(path("cut.mp3"), bytes.left(bytes.size() / 2));
    TestMedia::writeFile(path("doubled.mp3"), bytes + bytes);
    const QByteArray id3v2("ID3\x03\x00\x00\x00\x00\x01\x00", 10); // 128 bytes of tag follow
    const QByteArray id3v1 = QByteArray("TAG") + QByteArray(125, ' ');
    TestMedia::writeFile(path("id3.mp3"), id3v2 + QByteArray(128, '\0') + bytes + id3v1);
    const std::tuple<const char *, double, double> cases[] = {
        {"cut.mp3", 2.0, 0.3}, {"doubled.mp3", 8.0, 0.3}, {"id3.mp3", 4.0, 0.01}};
    for (const auto &[name, nominal, within] : cases) {
        EXPECT_DOUBLE_EQ(m_duration.seconds(path(name)), played(path(name))) << name;
        EXPECT_NEAR(m_duration.seconds(path(name)), nominal, within) << name;
    }
}

TEST_F(Mp3SearchTest, DurationOfAnythingElseIsZeroWithoutBlocking)
{
    TestMedia::writeFile(path("junk.mp3"), QByteArray(300000, '\x5a'));
    TestMedia::writeFile(path("empty.mp3"), {});
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.mp3")).constData(), 0600), 0);
    QElapsedTimer clock;
    clock.start();
    for (const QString &file : {path("junk.mp3"), path("empty.mp3"), path("pipe.mp3"),
                                m_root.path(), path("missing.mp3")})
        EXPECT_EQ(m_duration.seconds(file), 0.0) << file.toStdString();
    EXPECT_LT(clock.elapsed(), 5000); // a pipe would block a plain open forever
}
