#include <csignal>

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "AudioCapture.h"
#include "CliRun.h"
#include "DecodedMp3.h"
#include "TempFolderTest.h"
#include "TestMedia.h"

namespace {
// tavro-cli record from the private sound server's default input, a 440 Hz sine, with a
// temporary folder of the test's own.
class RecordCommandTest : public TempFolderTest {
protected:
    // Files the command left beside OUT (but mine.mp3) and in the temporary folder.
    QStringList leftovers() const
    {
        QStringList names = TempFolderTest::leftovers();
        names.removeAll(QStringLiteral("mine.mp3"));
        return names;
    }
    // Starts recording into out.mp3 for a minute and waits until a second has been recorded.
    static void startLong(QProcess &process, const QString &out)
    {
        process.start(qEnvironmentVariable("TAVRO_CLI"), {"record", out, "--seconds", "60"});
        ASSERT_TRUE(process.waitForStarted());
        QByteArray shown;
        QTRY_VERIFY_WITH_TIMEOUT((shown += process.readAllStandardOutput()).contains("00:01"),
                                 20000);
    }
};
} // namespace

TEST_F(RecordCommandTest, BadArgumentsAndAnExistingOutputAreRefused)
{
    TestMedia::writeFile(path("mine.mp3"), "keep me");
    const QString out = path("o.mp3");
    const QList<std::tuple<QStringList, int, const char *>> cases = {
        {{"record"}, 2, "needs an output MP3 file"},
        {{"record", out}, 2, "needs --seconds N"},
        {{"record", out, "--seconds", "0"}, 2, "--seconds takes a whole number from 1"},
        {{"record", out, "--seconds", "3", "--rate", "22050"}, 2, "--rate takes 44100 or 48000"},
        {{"record", out, "--seconds", "3", "--preset", "loud"}, 2, "unknown preset 'loud'"},
        {{"record", out, "--seconds", "3", "--loop"}, 2, "unknown option --loop"},
        {{"record", path("mine.mp3"), "--seconds", "1"}, 1, "already exists (--force replaces it)"},
        {{"record", path("none/o.mp3"), "--seconds", "1"}, 1, "o.mp3: cannot write in the folder "},
    };
    for (const auto &[args, code, message] : cases) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, code) << args.join(' ').toStdString();
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    }
    EXPECT_EQ(TestMedia::readFile(path("mine.mp3")), "keep me");
    EXPECT_EQ(leftovers(), QStringList());
}

TEST_F(RecordCommandTest, RecordsTheInputAt48000HzForTheSecondsAsked)
{
    if (!AudioCapture::inputAvailable())
        GTEST_SKIP() << "no sound input";
    TestMedia::writeFile(path("mine.mp3"), "replace me");
    const CliRun run =
        CliRun::run({"record", path("mine.mp3"), "--seconds", "3", "--rate", "48000", "--force"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.out.startsWith("00:00  0.00 MB\n00:01  0.")) << run.out.constData();
    EXPECT_TRUE(run.out.contains("\n00:02  0.")) << run.out.constData();
    const DecodedMp3 decoded = DecodedMp3::decode(path("mine.mp3"));
    ASSERT_TRUE(decoded.ok);
    EXPECT_EQ(decoded.sampleRate, 48000);
    // The test server's sine source hands out a whole capture fragment (up to two seconds) ahead
    // of the clock.
    const double seconds = double(decoded.frames) / 48000.0;
    EXPECT_TRUE(seconds > 2.9 && seconds < 5.1) << seconds;
    EXPECT_NEAR(decoded.frequency(), 440.0, 15.0);
    EXPECT_EQ(leftovers(), QStringList());
}

// The first Ctrl-C ends the recording and it is encoded; a second one, or a kill, aborts and
// leaves nothing: no OUT, no part file, no recorded audio, no temporary WAV file.
TEST_F(RecordCommandTest, CtrlCEndsTheRecordingAndASecondOneOrAKillAborts)
{
    if (!AudioCapture::inputAvailable())
        GTEST_SKIP() << "no sound input";
    QProcess early;
    startLong(early, path("early.mp3"));
    ::kill(pid_t(early.processId()), SIGINT);
    ASSERT_TRUE(early.waitForFinished(30000));
    EXPECT_EQ(early.exitCode(), 0) << early.readAllStandardError().constData();
    const DecodedMp3 decoded = DecodedMp3::decode(path("early.mp3"));
    ASSERT_TRUE(decoded.ok);
    EXPECT_GT(decoded.frames, 44100);
    EXPECT_LT(decoded.frames, 44100 * 10);
    QFile::remove(path("early.mp3"));

    QProcess aborted;
    startLong(aborted, path("aborted.mp3"));
    while (aborted.state() == QProcess::Running) {
        ::kill(pid_t(aborted.processId()), SIGINT);
        aborted.waitForFinished(5);
    }
    // The last signals may reach the process after it has put its own handler back.
    EXPECT_TRUE(aborted.exitStatus() == QProcess::CrashExit || aborted.exitCode() == 130)
        << aborted.exitCode();
    EXPECT_EQ(leftovers(), QStringList());

    QProcess killed;
    startLong(killed, path("killed.mp3"));
    ::kill(pid_t(killed.processId()), SIGKILL);
    ASSERT_TRUE(killed.waitForFinished(30000));
    EXPECT_EQ(leftovers(), QStringList());
}
