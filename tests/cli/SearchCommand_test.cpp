#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CliRun.h"
#include "TestMedia.h"

namespace {
class SearchCommandTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString tone = m_dir.filePath(QStringLiteral("tone.source"));
        ASSERT_TRUE(TestMedia::makeMp3(tone, 3, {QStringLiteral("-V"), QStringLiteral("2")}));
        QDir(m_dir.path()).mkpath(QStringLiteral("music/sub folder"));
        QFile::copy(tone, path(QStringLiteral("music/sub folder/b.mp3")));
        QFile::copy(tone, path(QStringLiteral("music/a.MP3")));
        m_size =
            QString::number(QFileInfo(tone).size() / 1048576.0, 'f', 2) + QStringLiteral(" MB");
    }
    QString path(const QString &relative) const { return m_dir.filePath(relative); }

    QTemporaryDir m_dir;
    QString m_size;
};
} // namespace

TEST_F(SearchCommandTest, PrintsOneRowPerFileInTheWindowsOrderAndSavesThePlayList)
{
    const QString list = path(QStringLiteral("found.m3u"));
    const CliRun run = CliRun::run(
        {QStringLiteral("search"), path(QStringLiteral("music")), QStringLiteral("--m3u"), list});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QString expected =
        QStringLiteral("a.MP3\t%1\t%2\t0:3\nb.mp3\t%3\t%2\t0:3\n")
            .arg(path(QStringLiteral("music")), m_size, path(QStringLiteral("music/sub folder")));
    EXPECT_EQ(QString::fromUtf8(run.out), expected);
    EXPECT_EQ(QString::fromUtf8(run.err), QStringLiteral("2 MP3 files in 2 folders\n"));
    EXPECT_EQ(TestMedia::readFile(list),
              (path(QStringLiteral("music/a.MP3")) + QStringLiteral("\r\n") +
               path(QStringLiteral("music/sub folder/b.mp3")) + QStringLiteral("\r\n"))
                  .toUtf8());
}

TEST_F(SearchCommandTest, KeepsAnExistingPlayListUnlessForced)
{
    const QString list = path(QStringLiteral("mine.m3u"));
    TestMedia::writeFile(list, "/keep/me.mp3\r\n");
    const QStringList args{QStringLiteral("search"), path(QStringLiteral("music")),
                           QStringLiteral("--m3u"), list};
    const CliRun refused = CliRun::run(args);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.out.isEmpty());
    EXPECT_EQ(TestMedia::readFile(list), QByteArray("/keep/me.mp3\r\n"));
    EXPECT_EQ(CliRun::run(args + QStringList{QStringLiteral("--force")}).exitCode, 0);
    EXPECT_TRUE(TestMedia::readFile(list).endsWith("b.mp3\r\n"));
}

TEST_F(SearchCommandTest, RejectsBadArgumentsAndMissingFolders)
{
    EXPECT_EQ(CliRun::run({QStringLiteral("search")}).exitCode, 2);
    EXPECT_EQ(CliRun::run({QStringLiteral("search"), path(QStringLiteral("music")),
                           QStringLiteral("--m3u")})
                  .exitCode,
              2);
    EXPECT_EQ(CliRun::run({QStringLiteral("search"), path(QStringLiteral("music")),
                           QStringLiteral("--bogus")})
                  .exitCode,
              2);
    const CliRun missing = CliRun::run({QStringLiteral("search"), path(QStringLiteral("nowhere"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("not a folder"));
}
