#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "Mp3MediaComponent.h"
#include "NullAudioOutput.h"
#include "TestMedia.h"

namespace {
PlaybackWorker::OutputFactory nullOutput()
{
    return [] { return std::make_unique<NullAudioOutput>(); };
}

bool waitFor(const std::function<bool()> &condition, int timeoutMs)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(5);
    }
    return true;
}

class Mp3MediaComponentTest : public ::testing::Test {
protected:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString mp3(const QString &name, double seconds, const QStringList &options, int rate = 44100,
                int channels = 2)
    {
        const QString path = file(name);
        EXPECT_TRUE(TestMedia::makeMp3(path, seconds, options, 440, rate, channels));
        return path;
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(Mp3MediaComponentTest, DurationIsExactForCbrVbrAndMpeg2Files)
{
    Mp3MediaComponent media(nullOutput());
    const struct {
        const char *name;
        QStringList options;
        int rate;
        int channels;
    } cases[] = {
        {"cbr.mp3", {QStringLiteral("-b"), QStringLiteral("128")}, 44100, 2},
        {"vbr.mp3", {QStringLiteral("-V"), QStringLiteral("2")}, 44100, 2},
        {"mpeg2.mp3", {QStringLiteral("-b"), QStringLiteral("64")}, 22050, 2},
        {"mono-vbr.mp3", {QStringLiteral("-V"), QStringLiteral("5")}, 22050, 1},
    };
    for (const auto &c : cases) {
        media.setFileName(mp3(QLatin1String(c.name), 3.0, c.options, c.rate, c.channels));
        EXPECT_NEAR(media.duration(), 3.0, 0.05) << c.name;
        EXPECT_EQ(media.currentPosition(), 0.0) << c.name;
    }
}

TEST_F(Mp3MediaComponentTest, UnplayableFilesHaveNoDurationAndDoNotPlay)
{
    TestMedia::writeFile(file(QStringLiteral("empty.mp3")), {});
    TestMedia::writeFile(file(QStringLiteral("text.mp3")),
                         QByteArray("not audio at all\n").repeated(500));
    QByteArray junk(200000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) >> 3);
    TestMedia::writeFile(file(QStringLiteral("junk.mp3")), junk);

    Mp3MediaComponent media(nullOutput());
    for (const char *name : {"missing.mp3", "empty.mp3", "text.mp3"}) {
        media.setFileName(file(QLatin1String(name)));
        EXPECT_EQ(media.duration(), 0.0) << name;
        media.play();
        QThread::msleep(50);
        EXPECT_EQ(media.currentPosition(), 0.0) << name;
    }
    media.setFileName(file(QStringLiteral("junk.mp3"))); // must simply not crash or hang
    media.play();
    QThread::msleep(50);
    media.stop();
}

TEST_F(Mp3MediaComponentTest, TruncatedFilePlaysWhatIsThere)
{
    const QString whole =
        mp3(QStringLiteral("whole.mp3"), 2.0, {QStringLiteral("-b"), QStringLiteral("128")});
    const QByteArray bytes = TestMedia::readFile(whole);
    TestMedia::writeFile(file(QStringLiteral("half.mp3")), bytes.left(bytes.size() / 2 + 77));
    Mp3MediaComponent media(nullOutput());
    media.setFileName(file(QStringLiteral("half.mp3")));
    EXPECT_GT(media.duration(), 0.5);
    EXPECT_LT(media.duration(), 2.0);
}

TEST_F(Mp3MediaComponentTest, PlaysSeeksPausesAndEndsAtDuration)
{
    Mp3MediaComponent media(nullOutput());
    media.setFileName(
        mp3(QStringLiteral("tone.mp3"), 3.0, {QStringLiteral("-b"), QStringLiteral("128")}));
    media.play();
    ASSERT_TRUE(waitFor([&] { return media.currentPosition() > 0.2; }, 3000));

    media.setCurrentPosition(2.0);
    EXPECT_NEAR(media.currentPosition(), 2.0, 0.06);
    ASSERT_TRUE(waitFor([&] { return media.currentPosition() > 2.2; }, 3000));

    media.pause();
    const double paused = media.currentPosition();
    QThread::msleep(200);
    EXPECT_NEAR(media.currentPosition(), paused, 0.02);

    media.play();
    ASSERT_TRUE(waitFor([&] { return media.currentPosition() == media.duration(); }, 4000));
    QThread::msleep(50);
    EXPECT_EQ(media.currentPosition(), media.duration()); // stays at the end

    media.play(); // after the end, plays again from the start
    ASSERT_TRUE(waitFor([&] { return media.currentPosition() < 1.0; }, 2000));
    media.stop();
    EXPECT_EQ(media.currentPosition(), 0.0);
}

TEST_F(Mp3MediaComponentTest, FasterRateEndsSooner)
{
    Mp3MediaComponent media(nullOutput());
    media.setFileName(
        mp3(QStringLiteral("two.mp3"), 2.0, {QStringLiteral("-b"), QStringLiteral("128")}));
    media.setRate(1.25);
    QElapsedTimer clock;
    clock.start();
    media.play();
    ASSERT_TRUE(waitFor([&] { return media.currentPosition() >= media.duration(); }, 5000));
    // 2 s at 125 % take 1.6 s; allow for start-up and the drain check.
    EXPECT_GT(clock.elapsed(), 1400);
    EXPECT_LT(clock.elapsed(), 2300);
}

TEST_F(Mp3MediaComponentTest, AudioReachesTheSoundServer)
{
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        GTEST_SKIP() << "no private PulseAudio (run through ./test.sh)";
    const QString path =
        mp3(QStringLiteral("loud.mp3"), 3.0, {QStringLiteral("-b"), QStringLiteral("128")});

    QProcess recorder;
    recorder.start(QStringLiteral("parec"),
                   {QStringLiteral("-d"), QStringLiteral("playback_tap"),
                    QStringLiteral("--format=s16le"), QStringLiteral("--rate=44100"),
                    QStringLiteral("--channels=2")});
    ASSERT_TRUE(recorder.waitForStarted(5000));

    Mp3MediaComponent media; // the system's device: the private server's null sink
    media.setFileName(path);
    media.play();
    QByteArray captured;
    double peak = 0.0;
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 8000 && peak < 0.2) {
        recorder.waitForReadyRead(200);
        captured += recorder.readAllStandardOutput();
        const auto *samples = reinterpret_cast<const qint16 *>(captured.constData());
        for (qsizetype i = 0; i < captured.size() / 2; ++i)
            peak = std::max(peak, std::abs(samples[i]) / 32768.0);
        captured.clear();
    }
    recorder.kill();
    recorder.waitForFinished();
    EXPECT_GT(peak, 0.2) << "the tone played at half scale should reach the sink";
}
