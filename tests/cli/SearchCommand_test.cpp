#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "CliRun.h"
#include "TestMedia.h"

// tavro-cli search: the window's rows on stdout, the play list saved without overwriting one.
TEST(SearchCommandTest, PrintsOneRowPerFileInTheWindowsOrderAndSavesThePlayList)
{
    QTemporaryDir dir;
    const QString tone = dir.filePath("tone.source");
    ASSERT_TRUE(TestMedia::makeMp3(tone, 3, {"-V", "2"}));
    QDir(dir.path()).mkpath("music/sub folder");
    QFile::copy(tone, dir.filePath("music/sub folder/b.mp3"));
    QFile::copy(tone, dir.filePath("music/a.MP3"));
    const QString size = QString::number(QFileInfo(tone).size() / 1048576.0, 'f', 2) + " MB";
    const QString list = dir.filePath("found.m3u");
    const QStringList args{"search", dir.filePath("music"), "--m3u", list};
    CliRun run = CliRun::run(args);
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(QString::fromUtf8(run.out),
              QStringLiteral("a.MP3\t%1\t%2\t0:3\nb.mp3\t%3\t%2\t0:3\n")
                  .arg(dir.filePath("music"), size, dir.filePath("music/sub folder")));
    EXPECT_EQ(run.err, "2 MP3 files in 2 folders\n");
    const QByteArray saved =
        (dir.filePath("music/a.MP3") + "\r\n" + dir.filePath("music/sub folder/b.mp3") + "\r\n")
            .toUtf8();
    EXPECT_EQ(TestMedia::readFile(list), saved);

    // An existing play list stays unless --force replaces it.
    TestMedia::writeFile(list, "/keep/me.mp3\r\n");
    run = CliRun::run(args);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(TestMedia::readFile(list), "/keep/me.mp3\r\n");
    EXPECT_EQ(CliRun::run(args + QStringList{"--force"}).exitCode, 0);
    EXPECT_EQ(TestMedia::readFile(list), saved);
    // Nor does it replace one of the files it lists.
    const QString found = dir.filePath("music/a.MP3");
    const QByteArray mp3 = TestMedia::readFile(found);
    run = CliRun::run({"search", dir.filePath("music"), "--m3u", found, "--force"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.endsWith(" is one of the files found; it is never replaced\n"));
    EXPECT_EQ(TestMedia::readFile(found), mp3);

    for (const QStringList &bad : {QStringList{}, QStringList{dir.path(), "--m3u"},
                                   QStringList{dir.path(), "--bogus"}, QStringList{"a", "b"}})
        EXPECT_EQ(CliRun::run(QStringList{"search"} + bad).exitCode, 2);
    run = CliRun::run({"search", dir.path(), "--m3u", dir.filePath("nowhere/l.m3u")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "tavro-cli search: " + dir.filePath("nowhere/l.m3u").toUtf8() +
                           ": cannot write in the folder " + dir.filePath("nowhere").toUtf8() +
                           " (No such file or directory)\n");
    run = CliRun::run({"search", dir.filePath("nowhere")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err,
              "tavro-cli search: " + dir.filePath("nowhere").toUtf8() + ": not a folder\n");
}
