#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Bytes.h"

// tavro-cli rename --dry-run and --undo; each run is a process of its own, as after a restart.
TEST(RenameUndoTest, DryRunRenamesNothingAndUndoTakesTheLastRunBack)
{
    QTemporaryDir dir;
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const auto at = [&](const char *name) { return dir.filePath(QLatin1String(name)); };
    Mp3Bytes::write(at("a.mp3"), Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 30) +
                                     Mp3Bytes::tag("Song", "Band", 17));

    CliRun run = CliRun::run({"rename", "--dry-run", "--pattern", "%n", at("a.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, (at("a.mp3") + " would be renamed to " + at("Song.mp3") + '\n').toUtf8());
    EXPECT_TRUE(QFile::exists(at("a.mp3")));
    EXPECT_EQ(CliRun::run({"rename", "--undo"}).err, "tavro-cli rename: nothing to undo\n");

    EXPECT_EQ(CliRun::run({"rename", "--pattern", "%n", at("a.mp3")}).exitCode, 0);
    run = CliRun::run({"rename", "--undo"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, (at("Song.mp3") + " renamed to " + at("a.mp3") + '\n').toUtf8());
    EXPECT_TRUE(QFile::exists(at("a.mp3")));

    EXPECT_EQ(CliRun::run({"rename", "--undo", "--pattern", "%n", at("a.mp3")}).exitCode, 2);
    qunsetenv("XDG_DATA_HOME");
}
