#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "Mp3Search.h"
#include "TestMedia.h"

namespace {
class Mp3SearchTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        s_media = new QTemporaryDir;
        s_tone = s_media->filePath(QStringLiteral("tone.mp3"));
        ASSERT_TRUE(TestMedia::makeMp3(s_tone, 1, {QStringLiteral("-b"), QStringLiteral("128")}));
    }
    static void TearDownTestSuite() { delete s_media; }

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    void folder(const QString &relative) const { QDir(m_root.path()).mkpath(relative); }
    void mp3(const QString &relative) const
    {
        folder(QFileInfo(relative).path());
        ASSERT_TRUE(QFile::copy(s_tone, path(relative)));
    }

    // Runs the search and returns each row as "folder relative to the root/name".
    QStringList search(const QString &start = {})
    {
        QStringList found;
        const auto connection =
            QObject::connect(&m_search, &Mp3Search::fileFound, [&](const Mp3Search::Row &row) {
                EXPECT_EQ(row.path, row.folder + QLatin1Char('/') + row.name);
                found << QDir(m_root.path()).relativeFilePath(row.path);
            });
        m_search.run(start.isEmpty() ? m_root.path() : path(start));
        QObject::disconnect(connection);
        return found;
    }
    // Directories entered, files found, folders that could not be read.
    QList<int> counts() const
    {
        return {m_search.directories(), m_search.files(), m_search.unreadable()};
    }

    static QTemporaryDir *s_media;
    static QString s_tone;
    QTemporaryDir m_root;
    Mp3Search m_search;
};
QTemporaryDir *Mp3SearchTest::s_media = nullptr;
QString Mp3SearchTest::s_tone;
} // namespace

TEST_F(Mp3SearchTest, ListsAThreeLevelTreeLevelByLevelInNameOrder)
{
    for (const char *name : {"b.MP3", "a.mp3", ".hidden.mp3", "Zed/z1.mp3", "Zed/deeper/e.mp3",
                             "alpha/a1.mp3", "alpha/deep/d.mp3", ".git/x.mp3"})
        mp3(QLatin1String(name));
    TestMedia::writeFile(path(QStringLiteral("c.wav")), "not audio");
    folder(QStringLiteral(".git/objects"));
    EXPECT_EQ(search(), (QStringList{"a.mp3", "b.MP3", "alpha/a1.mp3", "Zed/z1.mp3",
                                     "alpha/deep/d.mp3", "Zed/deeper/e.mp3"}));
    EXPECT_EQ(counts(), (QList<int>{5, 6, 0}));
}

TEST_F(Mp3SearchTest, RowsCarryTheWindowsTexts)
{
    mp3(QStringLiteral("one/song.mp3"));
    QList<Mp3Search::Row> rows;
    QObject::connect(&m_search, &Mp3Search::fileFound,
                     [&](const Mp3Search::Row &row) { rows << row; });
    m_search.run(path(QStringLiteral("one/")));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].name, QStringLiteral("song.mp3"));
    EXPECT_EQ(rows[0].folder, path(QStringLiteral("one")));
    EXPECT_EQ(rows[0].sizeText, Mp3Search::sizeText(QFileInfo(s_tone).size()));
    EXPECT_EQ(rows[0].durationText, QStringLiteral("0:1"));

    const std::pair<qint64, const char *> sizes[] = {
        {4000000, "3.81 MB"}, {1048576, "1.00 MB"}, {0, "0.00 MB"}};
    for (const auto &[bytes, text] : sizes)
        EXPECT_EQ(Mp3Search::sizeText(bytes), QLatin1String(text));
    const std::pair<double, const char *> durations[] = {
        {239.4, "3:59"}, {239.6, "4:0"}, {245.0, "4:5"},   {0.0, "0:0"},
        {59.5, "1:0"},   {62.5, "1:2"},  {3600.0, "60:0"},
    };
    for (const auto &[seconds, text] : durations)
        EXPECT_EQ(Mp3Search::durationText(seconds), QLatin1String(text)) << seconds;
}

TEST_F(Mp3SearchTest, FollowsLinksOnceAndNeverLoops)
{
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::copy(s_tone, outside.filePath(QStringLiteral("far.mp3"))));
    mp3(QStringLiteral("a/deep/d.mp3"));
    mp3(QStringLiteral("b/b.mp3"));
    QFile::link(path(QStringLiteral(".")), path(QStringLiteral("a/deep/up"))); // back to the start
    QFile::link(path(QStringLiteral("a")), path(QStringLiteral("b/again")));   // already queued
    QFile::link(outside.path(), path(QStringLiteral("b/elsewhere")));          // new: followed
    QFile::link(path(QStringLiteral("gone")), path(QStringLiteral("b/broken.mp3"))); // dangles
    ASSERT_EQ(::mkfifo(path(QStringLiteral("b/pipe.mp3")).toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(search(), (QStringList{"b/b.mp3", "a/deep/d.mp3", "b/elsewhere/far.mp3"}));
    EXPECT_EQ(counts(), (QList<int>{5, 3, 0})); // start, a, b, a/deep, b/elsewhere
}

TEST_F(Mp3SearchTest, FolderThatCannotBeOpenedIsCountedAndSkipped)
{
    mp3(QStringLiteral("first/1.mp3"));
    mp3(QStringLiteral("second/2.mp3"));
    mp3(QStringLiteral("second/below/3.mp3"));
    mp3(QStringLiteral("shut/4.mp3"));
    const bool root = ::geteuid() == 0; // root reads every folder
    ::chmod(path(QStringLiteral("shut")).toLocal8Bit().constData(), 0);
    // The second folder disappears after it was queued and before it is read.
    QObject::connect(&m_search, &Mp3Search::folderEntered, [&](const QString &folder) {
        if (folder.endsWith(QLatin1String("/first")))
            QDir(path(QStringLiteral("second"))).removeRecursively();
    });
    EXPECT_EQ(search(),
              (root ? QStringList{"first/1.mp3", "shut/4.mp3"} : QStringList{"first/1.mp3"}));
    EXPECT_EQ(counts(), (QList<int>{4, root ? 2 : 1, root ? 1 : 2}));
    ::chmod(path(QStringLiteral("shut")).toLocal8Bit().constData(), 0700);

    EXPECT_TRUE(search(QStringLiteral("nowhere")).isEmpty());
    EXPECT_EQ(counts(), (QList<int>{1, 0, 1}));
}

TEST_F(Mp3SearchTest, CancelEndsTheWalkBeforeTheNextEntry)
{
    for (const char *name : {"a.mp3", "b.mp3", "sub/c.mp3"})
        mp3(QLatin1String(name));
    QStringList entered;
    QObject::connect(&m_search, &Mp3Search::folderEntered,
                     [&](const QString &folder) { entered << folder; });
    QObject::connect(&m_search, &Mp3Search::fileFound, [&] { m_search.cancel(); });
    EXPECT_EQ(search(), QStringList{"a.mp3"});
    EXPECT_EQ(entered, QStringList{m_root.path()});
    EXPECT_TRUE(search().isEmpty()); // and it stays cancelled
}
