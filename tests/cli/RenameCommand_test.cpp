#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Bytes.h"
#include "TestMedia.h"

// tavro-cli rename: names from tags, messages on stderr, refusals.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300); // 125100 bytes: 7.82 s
} // namespace

TEST(RenameCommandTest, RenamesEachFileAndPrintsOldAndNewNames)
{
    QTemporaryDir dir;
    const QString a = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")),
                                      audio + Mp3Bytes::tag("One", "Band", 1));
    const QString b = Mp3Bytes::write(dir.filePath(QStringLiteral("b.mp3")),
                                      audio + Mp3Bytes::tag("Two", "Band", 1));
    const CliRun run =
        CliRun::run({QStringLiteral("rename"), QStringLiteral("--pattern"),
                     QStringLiteral("%a - %n -"), QStringLiteral("--attach-time"), a, b});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, (a + QStringLiteral(" renamed to ") +
                        dir.filePath(QStringLiteral("Band - One  (0.08).mp3")) + QLatin1Char('\n') +
                        b + QStringLiteral(" renamed to ") +
                        dir.filePath(QStringLiteral("Band - Two  (0.08).mp3")) + QLatin1Char('\n'))
                           .toUtf8());
    // The trailing separator is shown before and after it is dropped; the blank before it stays.
    EXPECT_TRUE(run.err.contains("Band - One -\n"));
    EXPECT_TRUE(run.err.contains("Band - One\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

TEST(RenameCommandTest, RefusesEmptyPatternsClashesAndUntaggedFiles)
{
    QTemporaryDir dir;
    const QString a =
        Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), audio + Mp3Bytes::tag("b", "", 1));
    const QString b = Mp3Bytes::write(dir.filePath(QStringLiteral("b.mp3")), audio);
    for (const QStringList &args :
         {QStringList{a}, QStringList{QStringLiteral("--pattern"), QString(), a},
          QStringList{QStringLiteral("--pattern"), QStringLiteral("  "), a}})
        EXPECT_EQ(CliRun::run(QStringList{QStringLiteral("rename")} + args).exitCode, 2);

    const CliRun run =
        CliRun::run({QStringLiteral("rename"), QStringLiteral("--pattern"), QStringLiteral("%n"), a,
                     b, dir.filePath(QStringLiteral("c.mp3"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.count('\n'), 3) << run.err.constData();
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_EQ(TestMedia::readFile(a), audio + Mp3Bytes::tag("b", "", 1));
    EXPECT_EQ(TestMedia::readFile(b), audio);
}
