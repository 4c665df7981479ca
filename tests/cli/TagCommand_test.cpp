#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Bytes.h"
#include "TestMedia.h"

// tavro-cli tag, rmtag and their failures.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 30);

mode_t modeOf(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}
} // namespace

TEST(TagCommandTest, SetsTheGivenFieldsInWindows1252)
{
    QTemporaryDir dir;
    const QString file = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), audio);
    const CliRun run =
        CliRun::run({QStringLiteral("tag"), file, QStringLiteral("--title"), QStringLiteral("Café"),
                     QStringLiteral("--artist"), QStringLiteral("Band"), QStringLiteral("--year"),
                     QStringLiteral("1999"), QStringLiteral("--genre"), QStringLiteral("Rock")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(TestMedia::readFile(file), audio + Mp3Bytes::tag("Caf\xE9", "Band", 17, ' ', "1999"));

    EXPECT_EQ(CliRun::run(
                  {QStringLiteral("tag"), file, QStringLiteral("--comment"), QStringLiteral("ok")})
                  .exitCode,
              0);
    EXPECT_EQ(TestMedia::readFile(file),
              audio + Mp3Bytes::tag("Caf\xE9", "Band", 17, ' ', "1999", "", "ok"));
}

TEST(TagCommandTest, RefusesBadArgumentsAndMissingFiles)
{
    QTemporaryDir dir;
    const QString file = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), audio);
    for (const QStringList &args :
         {QStringList{file}, QStringList{file, QStringLiteral("--title")},
          QStringList{file, QStringLiteral("--track"), QStringLiteral("1")}}) {
        const CliRun run = CliRun::run(QStringList{QStringLiteral("tag")} + args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.count('\n'), 1);
    }
    EXPECT_EQ(TestMedia::readFile(file), audio);

    const QString missing = dir.filePath(QStringLiteral("missing.mp3"));
    const CliRun run = CliRun::run(
        {QStringLiteral("tag"), missing, QStringLiteral("--title"), QStringLiteral("x")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no such file"));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST(TagCommandTest, AFailedWriteLeavesTheFileAndItsAttributesAsTheyWere)
{
    QTemporaryDir dir;
    const QByteArray big = audio.repeated(2); // 25020 bytes, past a 24 KiB size limit
    const QString file = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), big);
    ASSERT_EQ(::chmod(QFile::encodeName(file).constData(), 0444), 0);
    QByteArray out;
    QByteArray err;
    // The size limit makes the append fail even for root; SIGXFSZ ignored so the write returns.
    const int code = TestMedia::run(
        QStringLiteral("bash"),
        {QStringLiteral("-c"),
         QStringLiteral("trap '' XFSZ; ulimit -f 24; exec \"$0\" tag \"$1\" --title x"),
         qEnvironmentVariable("TAVRO_CLI"), file},
        &out, &err);
    EXPECT_EQ(code, 1);
    EXPECT_TRUE(err.contains("could not be written")) << err.constData();
    EXPECT_EQ(TestMedia::readFile(file), big);
    EXPECT_EQ(modeOf(file), mode_t(0444));
}

TEST(RmtagCommandTest, RemovesTheTagOnce)
{
    QTemporaryDir dir;
    const QString file = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")),
                                         audio + Mp3Bytes::tag("Song", "", 1));
    CliRun run = CliRun::run({QStringLiteral("rmtag"), file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("tag removed"));
    EXPECT_EQ(TestMedia::readFile(file), audio);
    run = CliRun::run({QStringLiteral("rmtag"), file});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.contains("no tag"));
    EXPECT_EQ(TestMedia::readFile(file), audio);
    run = CliRun::run({QStringLiteral("rmtag"), dir.filePath(QStringLiteral("missing.mp3"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("no such file"));
}
