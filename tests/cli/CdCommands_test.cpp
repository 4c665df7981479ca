#include <csignal>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "CliRun.h"
#include "DecodedMp3.h"
#include "TempFolderTest.h"
#include "TestDisc.h"
#include "TestMedia.h"
#include "TmpfsDisk.h"

namespace {
const QList<TestDisc::Track> kTracks = {{75 * 4 + 13, 440}, {75 * 2 + 1, 880}};

// tavro-cli encode, toc and rip on files and images made here, with their own settings file and
// temporary folder.
class CdCommandsTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
        ASSERT_TRUE(
            TestDisc::writeSettings(path("cdrip.ini"), {path("disc.cue"), path("gone.cue")}));
        qputenv("TAVRO_CDRIP_INI", QFile::encodeName(path("cdrip.ini")));
    }
    void TearDown() override
    {
        TempFolderTest::TearDown();
        qunsetenv("TAVRO_CDRIP_INI");
    }

    // What the commands left: files beside the image but its own, and in the temporary folder.
    QString outputs() const
    {
        QStringList names = leftovers();
        for (const char *own :
             {"cdrip.ini", "disc.bin", "disc.cue", "long.bin", "long.cue", "long.wav", "in.wav"})
            names.removeAll(QLatin1String(own));
        return names.join(u',');
    }

    static CliRun encode(const QStringList &args)
    {
        return CliRun::run(QStringList{"encode"} + args);
    }
};
} // namespace

TEST_F(CdCommandsTest, TocListsTracksAndTheCddbQuery)
{
    // 313 sectors = 4 s 13 frames (13 x 0.8 = 10 sixtieths) = 736176 bytes; the second track
    // starts at 313 + 150 = 6 s 13 frames. Start seconds 2 and 6, lead-out at 614 / 75 = 8 s:
    // id (8 << 24) | (6 << 8) | 2.
    const QByteArray table = "Track     Start    Length   Size(MB)       Bytes\n"
                             "    1   0:02.00   0:04.10     0.70MB      736176\n"
                             "    2   0:06.10   0:02.01     0.34MB      355152\n"
                             "cddb query 8000602 2 150 463 8\n";
    for (const QStringList &args : {QStringList{"toc"}, {"toc", "1"}, {"toc", path("disc.cue")}}) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_EQ(run.out, "Drive: " + path("disc.cue").toUtf8() + '\n' + table);
    }
}

TEST_F(CdCommandsTest, MissingDrivesDiscsAndBadArgumentsAreReported)
{
    const QString out = path("o.mp3"), disc = path("disc.cue"), img = path("img");
    // Images whose sheet names a BIN that is missing or a folder, and one nothing can check.
    ASSERT_TRUE(QDir().mkpath(img + "/sub"));
    TestMedia::writeFile(img + "/nobin.cue",
                         "FILE gone.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
    TestMedia::writeFile(img + "/dir.toc", "CD_DA TRACK AUDIO FILE \"sub\" 0");
    TestMedia::writeFile(img + "/disc.nrg", QByteArray(4096, 'N'));
    const QList<std::tuple<QStringList, int, QByteArray>> cases = {
        {{"toc", "2"}, 1, "No CD In Drive: "},
        {{"toc", "3"}, 1, "no drive 3"},
        {{"toc", "1", "2"}, 2, "takes one drive or disc image"},
        {{"rip", out}, 2, "needs --track N or --all"},
        {{"rip", "--track", "0", out}, 2, "--track takes a track number from 1 to 99"},
        {{"rip", "--track", "1"}, 2, "needs one output file"},
        {{"rip", "--all", "--jobs", "0", out}, 2, "--jobs takes a number of encoders from 1 to 64"},
        {{"rip", "--all", "--preset", "loud", out}, 2, "unknown preset 'loud'"},
        {{"rip", "--all", "--drive", "1", "--image", disc, out}, 2, "not both"},
        {{"rip", "--image", disc, "--track", "3", out}, 1, "no such track on the disc"},
        {{"rip", "--image", img, "--all", out}, 1, "img: is a folder"},
        {{"rip", "--image", img + "/nobin.cue", "--all", out},
         1,
         "nobin.cue: line 1: BIN file " + (img + "/gone.bin not found").toUtf8()},
        {{"toc", img + "/dir.toc"},
         1,
         "dir.toc: line 1: BIN file " + (img + "/sub is a folder").toUtf8()},
        {{"cd", "--image", img + "/disc.nrg", "status"}, 1, "disc.nrg: NRG images are not read"},
        {{"rip", "--image", disc, "--track", "1", path("none/o.mp3")},
         1,
         "o.mp3: cannot write in the folder " + path("none").toUtf8()},
        {{"rip", "--image", disc, "--track", "1", "--force", path("pipe.mp3")}, 1, "Cannot write "},
        {{"rip", "--image", disc, "--track", "1", "--force", path("disc.bin")},
         1,
         "disc.bin is an input of the disc image; it is never replaced"},
        {{"rip", "--image", disc, "--track", "2", "--force", path("disc.cue")},
         1,
         "disc.cue is an input of the disc image; it is never replaced"},
        {{"cd", "--drive", "2", "status"}, 1, "No CD In Drive: "},
        {{"cd", "--image", path("none.cue"), "status"}, 1, "none.cue: no such disc image"},
        {{"cd", "--image", disc, "play", "--track", "3"}, 1, "there is no track 3: the disc has 2"},
        {{"cd", "play", "--from", "00:05"}, 1, "--from 00:05 is past the end of track 1 (00:04)"},
        {{"cd", "play", "--from", "1:60"}, 2, "--from takes MM:SS"},
        {{"cd", "status", "--seconds", "2"}, 2, "belong to play"},
        {{"cd", "spin"}, 2, "needs status or play"}};
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.mp3")).constData(), 0600), 0);
    const QByteArray image =
        TestMedia::readFile(path("disc.cue")) + TestMedia::readFile(path("disc.bin"));
    for (const auto &[args, code, message] : cases) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, code) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    }
    EXPECT_FALSE(QFileInfo(path("pipe.mp3")).isFile()); // a pipe is never replaced
    EXPECT_EQ(TestMedia::readFile(path("disc.cue")) + TestMedia::readFile(path("disc.bin")), image);
    QFile::remove(path("pipe.mp3"));
    TestDisc::writeSettings(path("cdrip.ini"), {});
    EXPECT_TRUE(CliRun::run({"toc"}).err.contains("No CD Selected: no CD drive"));
    EXPECT_EQ(outputs(), QString());
}

// What each track holds, in either format and with several encoders: CdToMp3Job_test.
TEST_F(CdCommandsTest, RipsTracksToMp3AndWavReplacingOnlyWhenForced)
{
    CliRun run = CliRun::run(
        {"rip", "--track", "2", "--preset", "cbr", "--bitrate", "192", path("two.mp3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty()) << "no progress bar when stderr is not a terminal";
    EXPECT_EQ(DecodedMp3::decode(path("two.mp3")).frames, kTracks[1].sectors * 588);
    EXPECT_EQ(quint8(TestMedia::readFile(path("two.mp3")).at(2)) >> 4, 11) << "192 kbit/s";

    run = CliRun::run({"rip", "--image", path("disc.cue"), "--all", path("t%N.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, (path("t01.wav") + '\n' + path("t02.wav") + '\n').toUtf8());

    TestMedia::writeFile(path("keep.mp3"), "keep me");
    run = CliRun::run({"rip", "--track", "1", path("keep.mp3")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("keep.mp3 already exists")) << run.err.constData();
    EXPECT_EQ(TestMedia::readFile(path("keep.mp3")), QByteArray("keep me"));
    // A track given twice is ripped once.
    run = CliRun::run({"rip", "--track", "1", "--track", "1", "--force", path("keep.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, path("keep.mp3").toUtf8() + '\n');
    EXPECT_EQ(DecodedMp3::decode(path("keep.mp3")).frames, kTracks[0].sectors * 588);
    EXPECT_EQ(outputs(), QStringLiteral("keep.mp3,t01.wav,t02.wav,two.mp3"));
}

TEST_F(CdCommandsTest, EncodeUsesTheChosenPresetAndReplacesOnlyWhenForced)
{
    ASSERT_TRUE(TestMedia::makeWav(path("in.wav"), 1.0));
    CliRun run = encode({path("in.wav"), path("out.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(DecodedMp3::decode(path("out.mp3")).frames, 44100);
    EXPECT_TRUE(run.err.isEmpty()) << "no progress bar when stderr is not a terminal";

    TestMedia::writeFile(path("cbr.mp3"), "keep me");
    const QStringList cbr = {path("in.wav"), path("cbr.mp3"), "--preset", "12", "--bitrate", "192"};
    run = encode(cbr);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("already exists (--force replaces it)")) << run.err.constData();
    EXPECT_EQ(TestMedia::readFile(path("cbr.mp3")), QByteArray("keep me"));
    run = encode(cbr + QStringList{"--force"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(quint8(TestMedia::readFile(path("cbr.mp3")).at(2)) >> 4, 11) << "192 kbit/s";
    EXPECT_EQ(outputs(), QStringLiteral("cbr.mp3,out.mp3"));
}

TEST_F(CdCommandsTest, EncodeRefusesBadArgumentsAndBadInputWithoutLeavingFiles)
{
    ASSERT_TRUE(TestMedia::makeWav(path("in.wav"), 0.2));
    TestMedia::writeFile(path("text.wav"), QByteArray("not a wave file\n").repeated(100));
    const QString in = path("in.wav"), out = path("out.mp3");
    const QList<std::tuple<QStringList, int, QByteArray>> cases = {
        {{in, out, "--preset", "loud"},
         2,
         "one of: default, voice, r3mix, standard, fast-standard"},
        {{in, out, "--bitrate", "999"}, 2, "--bitrate takes kbit/s from 8 to 320"},
        {{in, out, "--bitrate"}, 2, "--bitrate needs a value"},
        {{in, out, "--quiet"}, 2, "unknown option --quiet"},
        {{in}, 2, "needs an input WAV file and an output MP3 file"},
        {{path("missing.wav"), out}, 1, "missing.wav: no such file"},
        {{path("text.wav"), out},
         1,
         "Invalid Format (error 29771, tavro.lameConvert)\ntavro-cli encode: " +
             path("text.wav").toUtf8() +
             ": a 16-bit stereo WAV file is needed; this one is not a RIFF/WAVE file\n"},
        {{path("tmp"), out}, 1, "tmp: is a folder"},
        {{in, path("none/out.mp3")}, 1, "out.mp3: cannot write in the folder "},
        {{in, in, "--force"}, 1, "in.wav: is an input of this command; it is never replaced"},
        {{in, path("pipe.mp3"), "--force"},
         1,
         "pipe.mp3: is not a regular file; it is never replaced"},
        {{path("pipe.mp3"), out}, 1, "pipe.mp3: is not a regular file\n"}};
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("pipe.mp3")).constData(), 0600), 0);
    const QByteArray wav = TestMedia::readFile(in);
    for (const auto &[args, code, message] : cases) {
        const CliRun run = encode(args);
        EXPECT_EQ(run.exitCode, code) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    }
    EXPECT_EQ(TestMedia::readFile(in), wav);
    EXPECT_FALSE(QFileInfo(path("pipe.mp3")).isFile());
    QFile::remove(path("pipe.mp3"));
    EXPECT_EQ(outputs(), QStringLiteral("text.wav"));
}

TEST_F(CdCommandsTest, AFullDiskFailsTheRunAndKeepsTheOldFile)
{
    const TmpfsDisk disk("64k");
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    disk.fillUp();
    ASSERT_TRUE(TestMedia::makeWav(path("in.wav"), 1.0));
    const QString old = disk.path("old");
    for (const QStringList &args :
         {QStringList{"encode", path("in.wav"), old, "--force"},
          QStringList{"rip", "--image", path("disc.cue"), "--track", "1", "--force", old}}) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(args.first());
        EXPECT_FALSE(run.err.isEmpty()) << qPrintable(args.first());
        EXPECT_EQ(TestMedia::readFile(old), "old content\n") << qPrintable(args.first());
        EXPECT_EQ(QDir(disk.path({})).count(), 4u) << qPrintable(args.first()); // old, filler
    }
}

TEST_F(CdCommandsTest, AnInterruptOrAKillLeavesNoOutputAndNoTemporaryFile)
{
    // Five minutes of audio, so that each run is still going when the interrupt comes.
    ASSERT_TRUE(TestMedia::makeWav(path("long.wav"), 300.0));
    ASSERT_TRUE(TestDisc::write(path("long.cue"), {{75 * 300, 300}}));
    const std::pair<QStringList, int> runs[] = {
        {{"encode", path("long.wav"), path("out.mp3")}, SIGINT},
        {{"rip", "--image", path("long.cue"), "--track", "1", path("out.mp3")}, SIGINT},
        {{"encode", path("long.wav"), path("out.mp3")}, SIGHUP}, // the terminal closed
        {{"encode", path("long.wav"), path("out.mp3")}, SIGKILL},
        {{"rip", "--image", path("long.cue"), "--track", "1", path("out.mp3")}, SIGKILL},
    };
    for (const auto &[args, sent] : runs) {
        QProcess process;
        process.start(qEnvironmentVariable("TAVRO_CLI"), args);
        ASSERT_TRUE(process.waitForStarted());
        ASSERT_TRUE(CliRun::awaitUnnamedOutput(process.processId(), m_dir.path()))
            << qPrintable(args.first());
        ::kill(pid_t(process.processId()), sent);
        ASSERT_TRUE(process.waitForFinished(30000));
        if (sent != SIGKILL) {
            EXPECT_EQ(process.exitCode(), 130) << qPrintable(args.first());
        }
        EXPECT_EQ(outputs(), QString()) << qPrintable(args.first()) << ' ' << sent;
    }
}

TEST_F(CdCommandsTest, CdShowsTheDiscAndPlaysItUntilTimeEndOrInterrupt)
{
    CliRun run = CliRun::run({"cd", "status"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "media present: true\ntracks: 2\nlength: 00:06:14\nmode: stopped\n");

    run =
        CliRun::run({"cd", "--image", path("disc.cue"), "play", "--track", "2", "--seconds", "1"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.startsWith("Track 02 00:00\n")) << run.out.constData();
    run = CliRun::run({"cd", "play", "--from", "00:04"}); // to the end of the disc
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    // Into track 2, whichever of its seconds a busy machine lets the once-a-second line show.
    EXPECT_TRUE(run.out.contains("\nTrack 02 ")) << run.out.constData();

    QProcess process;
    process.start(qEnvironmentVariable("TAVRO_CLI"), {"cd", "play"});
    ASSERT_TRUE(process.waitForReadyRead(30000));
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 130);
}
