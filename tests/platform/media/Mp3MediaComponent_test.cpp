#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Mp3MediaComponent.h"
#include "NullAudioOutput.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
// Like a Pulse sink, whose stop delivers the playback thread's queued events before returning.
class ReentrantOutput : public NullAudioOutput {
public:
    void close() override
    {
        QCoreApplication::sendPostedEvents();
        NullAudioOutput::close();
    }
};

class Mp3MediaComponentTest : public ::testing::Test {
protected:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString mp3(const QString &name, double seconds)
    {
        EXPECT_TRUE(TestMedia::makeMp3(file(name), seconds));
        return file(name);
    }

    QTemporaryDir m_dir;
    Mp3MediaComponent m_media{[] { return std::make_unique<NullAudioOutput>(); }};
};
} // namespace

TEST_F(Mp3MediaComponentTest, BrokenFilesHaveNoDurationOrWhatIsThere)
{
    TestMedia::writeFile(file(u"empty.mp3"_s), {});
    TestMedia::writeFile(file(u"text.mp3"_s), QByteArray("not audio at all\n").repeated(500));
    // A pipe has no writer: opening it must not wait for one.
    ASSERT_EQ(::mkfifo(QFile::encodeName(file(u"fifo.mp3"_s)).constData(), 0600), 0);
    for (const char *name : {"missing.mp3", "empty.mp3", "text.mp3", "fifo.mp3"}) {
        m_media.setFileName(file(QLatin1String(name)));
        EXPECT_EQ(m_media.duration(), 0.0) << name;
    }
    QByteArray junk(200000, '\0');
    for (int i = 0; i < junk.size(); ++i)
        junk[i] = char((i * 7919) >> 3);
    TestMedia::writeFile(file(u"junk.mp3"_s), junk);
    m_media.setFileName(file(u"junk.mp3"_s));
    m_media.play(); // must only neither hang nor crash
    QTest::qWait(50);
    m_media.stop();
    const QByteArray whole = TestMedia::readFile(mp3(u"whole.mp3"_s, 2.0));
    TestMedia::writeFile(file(u"half.mp3"_s), whole.left(whole.size() / 2 + 77));
    m_media.setFileName(file(u"half.mp3"_s));
    EXPECT_GT(m_media.duration(), 0.5);
    EXPECT_LT(m_media.duration(), 2.0);
}

// The duration is the decoder's, measured for every kind of file in Mp3Search_test.
TEST_F(Mp3MediaComponentTest, PlaysSeeksPausesAndEndsAtDuration)
{
    m_media.setFileName(mp3(u"tone.mp3"_s, 3.0));
    EXPECT_NEAR(m_media.duration(), 3.0, 0.05);
    m_media.play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_media.currentPosition() > 0.2; }, 3000));
    m_media.setCurrentPosition(2.0);
    EXPECT_NEAR(m_media.currentPosition(), 2.0, 0.06);
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_media.currentPosition() > 2.2; }, 3000));

    m_media.pause();
    const double paused = m_media.currentPosition();
    QTest::qWait(200);
    EXPECT_NEAR(m_media.currentPosition(), paused, 0.02);

    m_media.play();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_media.currentPosition() == m_media.duration(); }, 4000));
    QTest::qWait(50);
    EXPECT_EQ(m_media.currentPosition(), m_media.duration()); // stays at the end

    m_media.play(); // after the end, plays again from the start
    ASSERT_TRUE(QTest::qWaitFor([&] { return m_media.currentPosition() < 1.0; }, 2000));
    m_media.stop();
    EXPECT_EQ(m_media.currentPosition(), 0.0);
}

TEST_F(Mp3MediaComponentTest, FasterRateEndsSooner)
{
    m_media.setFileName(mp3(u"two.mp3"_s, 2.0));
    m_media.setRate(1.25);
    QElapsedTimer clock;
    clock.start();
    m_media.play();
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return m_media.currentPosition() >= m_media.duration(); }, 5000));
    // 2 s at 125 % take 1.6 s; allow for start-up and the drain check.
    EXPECT_GT(clock.elapsed(), 1400);
    EXPECT_LT(clock.elapsed(), 2300);
}

TEST_F(Mp3MediaComponentTest, CommandsArrivingWhileTheOutputClosesWaitTheirTurn)
{
    const QString tone = mp3(u"tone.mp3"_s, 2.0);
    const std::function<void(Mp3MediaComponent &)> lastCommands[] = {
        [](Mp3MediaComponent &m) { m.stop(); },
        [](Mp3MediaComponent &m) { m.setCurrentPosition(1.0); },
    };
    for (const auto &last : lastCommands) {
        Mp3MediaComponent media{[] { return std::make_unique<ReentrantOutput>(); }};
        media.setFileName(tone);
        media.play();
        ASSERT_TRUE(QTest::qWaitFor([&] { return media.currentPosition() > 0.1; }, 3000));
        last(media); // then the destructor's shutdown lands inside the output's close
    }
}
