#include <csignal>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "CliRun.h"
#include "DecodedMp3.h"
#include "TestDisc.h"
#include "TestMedia.h"

namespace {
const QList<TestDisc::Track> kTracks = {{75 * 4 + 13, 440}, {75 * 2 + 1, 880}};

// tavro-cli toc and rip on images made here, with their own settings file and temporary folder.
class CdCommandsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
        ASSERT_TRUE(
            TestDisc::writeSettings(path("cdrip.ini"), {path("disc.cue"), path("gone.cue")}));
        ASSERT_TRUE(QDir().mkpath(path("tmp")));
        qputenv("TAVRO_CDRIP_INI", QFile::encodeName(path("cdrip.ini")));
        qputenv("TMPDIR", QFile::encodeName(path("tmp")));
    }
    void TearDown() override
    {
        qunsetenv("TAVRO_CDRIP_INI");
        qunsetenv("TMPDIR");
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QStringList outputs() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        names.removeAll(QStringLiteral("disc.cue"));
        names.removeAll(QStringLiteral("disc.bin"));
        names.removeAll(QStringLiteral("cdrip.ini"));
        return names + QDir(path("tmp")).entryList(QDir::Files | QDir::Hidden);
    }
    static CliRun cli(const QStringList &args) { return CliRun::run(args); }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(CdCommandsTest, TocListsTracksAndTheCddbQuery)
{
    for (const QStringList &args : {QStringList{QStringLiteral("toc")},
                                    {QStringLiteral("toc"), QStringLiteral("1")},
                                    {QStringLiteral("toc"), path("disc.cue")}}) {
        const CliRun run = cli(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        const QStringList lines =
            QString::fromUtf8(run.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 5) << run.out.constData();
        EXPECT_TRUE(lines[0].endsWith(QStringLiteral("disc.cue")));
        // 313 sectors = 4 s 13 frames (13 x 0.8 = 10 sixtieths) = 736176 bytes = 0.70 MB.
        EXPECT_EQ(lines[2].simplified().toStdString(), "1 0:02.00 0:04.10 0.70MB 736176");
        // Starts at 313 + 150 = 463 = 6 s 13 frames; 151 sectors = 2 s 1 frame = 355152 bytes.
        EXPECT_EQ(lines[3].simplified().toStdString(), "2 0:06.10 0:02.01 0.34MB 355152");
        // Start seconds 2 and 6, lead-out at (464 + 150) / 75 = 8 s: id (8 << 24) | (6 << 8) | 2.
        EXPECT_EQ(lines[4].toStdString(), "cddb query 8000602 2 150 463 8");
    }
}

TEST_F(CdCommandsTest, MissingDrivesDiscsAndBadArgumentsAreReported)
{
    CliRun run = cli({QStringLiteral("toc"), QStringLiteral("2")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("No CD In Drive")) << run.err.constData();
    EXPECT_EQ(cli({QStringLiteral("toc"), QStringLiteral("3")}).exitCode, 1);
    EXPECT_EQ(cli({QStringLiteral("toc"), QStringLiteral("1"), QStringLiteral("2")}).exitCode, 2);
    TestDisc::writeSettings(path("cdrip.ini"), {});
    run = cli({QStringLiteral("toc")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("No CD Selected")) << run.err.constData();

    const QString out = path("o.mp3");
    const QList<QStringList> usageErrors = {
        {QStringLiteral("rip"), out},
        {QStringLiteral("rip"), QStringLiteral("--track"), QStringLiteral("1"),
         QStringLiteral("--all"), out},
        {QStringLiteral("rip"), QStringLiteral("--track"), QStringLiteral("0"), out},
        {QStringLiteral("rip"), QStringLiteral("--track"), QStringLiteral("1")},
        {QStringLiteral("rip"), QStringLiteral("--all"), QStringLiteral("--preset"),
         QStringLiteral("loud"), out},
        {QStringLiteral("rip"), QStringLiteral("--all"), QStringLiteral("--drive"),
         QStringLiteral("1"), QStringLiteral("--image"), path("disc.cue"), out},
    };
    for (const QStringList &args : usageErrors)
        EXPECT_EQ(cli(args).exitCode, 2) << qPrintable(args.join(QLatin1Char(' ')));
    EXPECT_EQ(cli({QStringLiteral("rip"), QStringLiteral("--image"), path("disc.cue"),
                   QStringLiteral("--track"), QStringLiteral("3"), out})
                  .exitCode,
              1);
    EXPECT_EQ(cli({QStringLiteral("rip"), QStringLiteral("--image"), path("none.cue"),
                   QStringLiteral("--all"), out})
                  .exitCode,
              1);
    EXPECT_TRUE(outputs().isEmpty()) << qPrintable(outputs().join(QLatin1Char(',')));
}

TEST_F(CdCommandsTest, RipsTracksToMp3AndWavWithoutOverwriting)
{
    CliRun run = cli({QStringLiteral("rip"), QStringLiteral("--track"), QStringLiteral("2"),
                      QStringLiteral("--preset"), QStringLiteral("cbr"),
                      QStringLiteral("--bitrate"), QStringLiteral("192"), path("two.mp3")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty()) << "no progress bar when stderr is not a terminal";
    const DecodedMp3 two = DecodedMp3::decode(path("two.mp3"));
    EXPECT_EQ(two.frames, kTracks[1].sectors * 588);
    EXPECT_NEAR(two.frequency(), 880, 15);
    EXPECT_EQ(quint8(TestMedia::readFile(path("two.mp3")).at(2)) >> 4, 11) << "192 kbit/s";

    run = cli({QStringLiteral("rip"), QStringLiteral("--image"), path("disc.cue"),
               QStringLiteral("--all"), path("t%N.wav")});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out,
              (path("t01.wav") + QLatin1Char('\n') + path("t02.wav") + QLatin1Char('\n')).toUtf8());
    for (int i = 0; i < kTracks.size(); ++i)
        EXPECT_TRUE(TestMedia::readFile(path("t0%1.wav").arg(i + 1).toUtf8().constData()).mid(46) ==
                    TestDisc::trackAudio(kTracks, i));

    TestMedia::writeFile(path("keep.mp3"), "keep me");
    run = cli(
        {QStringLiteral("rip"), QStringLiteral("--track"), QStringLiteral("1"), path("keep.mp3")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("already exists"));
    EXPECT_EQ(TestMedia::readFile(path("keep.mp3")), QByteArray("keep me"));
    run = cli({QStringLiteral("rip"), QStringLiteral("--track"), QStringLiteral("1"),
               QStringLiteral("--force"), path("keep.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(DecodedMp3::decode(path("keep.mp3")).frames, kTracks[0].sectors * 588);
    EXPECT_EQ(outputs(), (QStringList{QStringLiteral("keep.mp3"), QStringLiteral("t01.wav"),
                                      QStringLiteral("t02.wav"), QStringLiteral("two.mp3")}));
}

TEST_F(CdCommandsTest, InterruptLeavesNoOutputAndNoTemporaryFile)
{
    const QList<TestDisc::Track> longTrack = {{75 * 240, 300}};
    ASSERT_TRUE(TestDisc::write(path("long.cue"), longTrack));
    QProcess process;
    process.start(qEnvironmentVariable("TAVRO_CLI"),
                  {QStringLiteral("rip"), QStringLiteral("--image"), path("long.cue"),
                   QStringLiteral("--track"), QStringLiteral("1"), path("out.mp3")});
    ASSERT_TRUE(process.waitForStarted());
    QElapsedTimer clock;
    clock.start();
    const auto ripping = [&] {
        return !QDir(path("tmp")).entryList({QStringLiteral("tavro-rip-*.wav")}).isEmpty();
    };
    while (!ripping() && clock.elapsed() < 30000)
        QThread::usleep(200);
    ASSERT_TRUE(ripping()) << "the temporary WAV file appears while ripping";
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    QStringList left = outputs();
    left.removeAll(QStringLiteral("long.cue"));
    left.removeAll(QStringLiteral("long.bin"));
    EXPECT_TRUE(left.isEmpty()) << qPrintable(left.join(QLatin1Char(',')));
}
