#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "CliRun.h"
#include "ReadOnlyDisk.h"
#include "TestDisc.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// Every command that writes fails on a read-only file system with exit 1 and a message naming
// the path, and leaves what is there as it was.
TEST(ReadOnlyTargetTest, EveryWritingCommandFailsAndNamesThePath)
{
    const ReadOnlyDisk disk([](const ReadOnlyDisk &d) {
        TestMedia::makeWav(d.path(u"in.wav"_s), 1.0);
        TestMedia::makeMp3(d.path(u"song.mp3"_s), 1.0);
    });
    if (!disk.mounted())
        GTEST_SKIP() << "no read-only file system can be mounted here";
    QTemporaryDir here;
    ASSERT_TRUE(TestDisc::write(here.filePath(u"disc.cue"_s), {{75 * 2, 440}}));
    const QString song = disk.path(u"song.mp3"_s);
    const QByteArray before = TestMedia::readFile(song);
    const QString out = disk.path(u"out.mp3"_s);
    const QList<std::pair<QStringList, QString>> runs = {
        {{"encode", disk.path(u"in.wav"_s), out}, out},
        {{"encode", disk.path(u"in.wav"_s), song, "--force"}, song},
        {{"rip", "--image", here.filePath(u"disc.cue"_s), "--track", "1", out}, out},
        {{"cut", song, out, "--from", "0", "--to", "1"}, out},
        {{"merge", song, song, out}, out},
        {{"search", disk.path({}), "--m3u", disk.path(u"list.m3u"_s)}, disk.path(u"list.m3u"_s)},
        {{"tag", song, "--title", "New"}, song},
    };
    for (const auto &[args, named] : runs) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(args.first());
        EXPECT_TRUE(run.err.contains(named.toUtf8())) << run.err.constData();
    }
    EXPECT_EQ(TestMedia::readFile(song), before);
    EXPECT_EQ(QDir(disk.path({})).entryList(QDir::Files | QDir::Hidden),
              (QStringList{u"in.wav"_s, u"song.mp3"_s}));
}
