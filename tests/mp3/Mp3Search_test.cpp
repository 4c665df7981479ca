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
    void other(const QString &relative) const { TestMedia::writeFile(path(relative), "not audio"); }

    // Runs the search and returns each row as "folder relative to the root/name".
    QStringList search(Mp3Search &searcher, const QString &start = {}) const
    {
        QStringList found;
        QObject::connect(&searcher, &Mp3Search::fileFound, [&](const Mp3Search::Row &row) {
            EXPECT_EQ(row.path, row.folder + QLatin1Char('/') + row.name);
            found << QDir(m_root.path()).relativeFilePath(row.path);
        });
        searcher.run(start.isEmpty() ? m_root.path() : path(start));
        return found;
    }

    static QTemporaryDir *s_media;
    static QString s_tone;
    QTemporaryDir m_root;
};
QTemporaryDir *Mp3SearchTest::s_media = nullptr;
QString Mp3SearchTest::s_tone;
} // namespace

TEST_F(Mp3SearchTest, ListsAThreeLevelTreeLevelByLevelInNameOrder)
{
    mp3(QStringLiteral("b.MP3"));
    mp3(QStringLiteral("a.mp3"));
    other(QStringLiteral("c.wav"));
    mp3(QStringLiteral(".hidden.mp3"));
    mp3(QStringLiteral("Zed/z1.mp3"));
    mp3(QStringLiteral("Zed/deeper/e.mp3"));
    mp3(QStringLiteral("alpha/a1.mp3"));
    mp3(QStringLiteral("alpha/deep/d.mp3"));
    folder(QStringLiteral(".git/objects"));
    mp3(QStringLiteral(".git/x.mp3"));

    Mp3Search searcher;
    EXPECT_EQ(search(searcher), (QStringList{"a.mp3", "b.MP3", "alpha/a1.mp3", "Zed/z1.mp3",
                                             "alpha/deep/d.mp3", "Zed/deeper/e.mp3"}));
    EXPECT_EQ(searcher.files(), 6);
    EXPECT_EQ(searcher.directories(), 5);
    EXPECT_EQ(searcher.unreadable(), 0);
}

TEST_F(Mp3SearchTest, RowsCarryTheWindowsTexts)
{
    mp3(QStringLiteral("one/song.mp3"));
    Mp3Search searcher;
    QList<Mp3Search::Row> rows;
    QObject::connect(&searcher, &Mp3Search::fileFound,
                     [&](const Mp3Search::Row &row) { rows << row; });
    searcher.run(path(QStringLiteral("one/")));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].name, QStringLiteral("song.mp3"));
    EXPECT_EQ(rows[0].folder, path(QStringLiteral("one")));
    EXPECT_EQ(rows[0].sizeText, Mp3Search::sizeText(QFileInfo(s_tone).size()));
    EXPECT_EQ(rows[0].durationText, QStringLiteral("0:1"));

    EXPECT_EQ(Mp3Search::sizeText(4000000), QStringLiteral("3.81 MB"));
    EXPECT_EQ(Mp3Search::sizeText(1048576), QStringLiteral("1.00 MB"));
    EXPECT_EQ(Mp3Search::sizeText(0), QStringLiteral("0.00 MB"));
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

    Mp3Search searcher;
    EXPECT_EQ(search(searcher), (QStringList{"b/b.mp3", "a/deep/d.mp3", "b/elsewhere/far.mp3"}));
    EXPECT_EQ(searcher.directories(), 5); // start, a, b, a/deep, b/elsewhere
}

TEST_F(Mp3SearchTest, FolderThatCannotBeOpenedIsCountedAndSkipped)
{
    mp3(QStringLiteral("first/1.mp3"));
    mp3(QStringLiteral("second/2.mp3"));
    mp3(QStringLiteral("second/below/3.mp3"));
    Mp3Search searcher;
    // The second folder disappears after it was queued and before it is read.
    QObject::connect(&searcher, &Mp3Search::folderEntered, [&](const QString &folder) {
        if (folder.endsWith(QLatin1String("/first")))
            QDir(path(QStringLiteral("second"))).removeRecursively();
    });
    EXPECT_EQ(search(searcher), (QStringList{"first/1.mp3"}));
    EXPECT_EQ(searcher.directories(), 3);
    EXPECT_EQ(searcher.unreadable(), 1);

    Mp3Search missingStart;
    EXPECT_TRUE(search(missingStart, QStringLiteral("nowhere")).isEmpty());
    EXPECT_EQ(missingStart.directories(), 1);
    EXPECT_EQ(missingStart.unreadable(), 1);
}

TEST_F(Mp3SearchTest, FolderWithoutPermissionIsCountedAndSkipped)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "root reads every folder; the vanishing folder above covers the case";
    mp3(QStringLiteral("open/1.mp3"));
    mp3(QStringLiteral("shut/2.mp3"));
    ::chmod(path(QStringLiteral("shut")).toLocal8Bit().constData(), 0);
    Mp3Search searcher;
    EXPECT_EQ(search(searcher), (QStringList{"open/1.mp3"}));
    EXPECT_EQ(searcher.unreadable(), 1);
    ::chmod(path(QStringLiteral("shut")).toLocal8Bit().constData(), 0700);
}

TEST_F(Mp3SearchTest, YieldsOncePerFolderAndEveryHundredEntries)
{
    for (int i = 0; i < 250; ++i)
        other(QStringLiteral("file%1.txt").arg(i));
    folder(QStringLiteral("x"));
    folder(QStringLiteral("y"));
    Mp3Search searcher;
    int yields = 0;
    QObject::connect(&searcher, &Mp3Search::yieldPoint, [&] { ++yields; });
    search(searcher);
    EXPECT_EQ(yields, 3 + 252 / Mp3Search::kYieldEvery);
}
