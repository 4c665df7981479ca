#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include "Mp3Decoder.h"
#include "Mp3Duration.h"
#include "TestMedia.h"

namespace {
class Mp3DurationTest : public ::testing::Test {
protected:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QString mp3(const QString &name, double seconds, const QStringList &options, int rate = 44100,
                int channels = 2)
    {
        const QString path = file(name);
        EXPECT_TRUE(TestMedia::makeMp3(path, seconds, options, 440, rate, channels));
        return path;
    }
    // The player's own measurement: a scan of every frame.
    static double played(const QString &path)
    {
        Mp3Decoder decoder;
        return decoder.open(path) ? decoder.durationSeconds() : 0.0;
    }

    QTemporaryDir m_dir;
    Mp3Duration m_duration;
};
} // namespace

TEST_F(Mp3DurationTest, GivesThePlayersSecondsForEveryKindOfFile)
{
    const QStringList untagged{QStringLiteral("-t"), QStringLiteral("-V"), QStringLiteral("4")};
    const struct {
        QString path;
        double nominal;
    } cases[] = {
        {mp3(QStringLiteral("cbr.mp3"), 3, {QStringLiteral("-b"), QStringLiteral("128")}), 3.0},
        {mp3(QStringLiteral("vbr.mp3"), 3, {QStringLiteral("-V"), QStringLiteral("2")}), 3.0},
        {mp3(QStringLiteral("mpeg2-mono.mp3"), 2, {QStringLiteral("-V"), QStringLiteral("6")},
             22050, 1),
         2.0},
        {mp3(QStringLiteral("mpeg25.mp3"), 2, {QStringLiteral("-b"), QStringLiteral("32")}, 8000,
             1),
         2.0},
        // Without an info frame the frames must be counted; the length then includes the
        // encoder's delay and padding, as the player reports it too.
        {mp3(QStringLiteral("untagged-vbr.mp3"), 3, untagged), 3.05},
    };
    for (const auto &c : cases) {
        const double seconds = m_duration.seconds(c.path);
        EXPECT_DOUBLE_EQ(seconds, played(c.path)) << c.path.toStdString();
        EXPECT_NEAR(seconds, c.nominal, 0.06) << c.path.toStdString();
    }
}

TEST_F(Mp3DurationTest, DoesNotTrustAnInfoFrameTheFileContradicts)
{
    const QString whole =
        mp3(QStringLiteral("whole.mp3"), 4, {QStringLiteral("-V"), QStringLiteral("2")});
    const QByteArray bytes = TestMedia::readFile(whole);
    const QString cut = file(QStringLiteral("cut.mp3"));
    TestMedia::writeFile(cut, bytes.left(bytes.size() / 2));
    const QString doubled = file(QStringLiteral("doubled.mp3"));
    TestMedia::writeFile(doubled, bytes + bytes);
    const QString withId3 = file(QStringLiteral("id3.mp3"));
    QByteArray id3v2("ID3\x03\x00\x00\x00\x00\x01\x00", 10); // 128 bytes of tag follow
    const QByteArray id3v1 = QByteArray("TAG") + QByteArray(125, ' ');
    TestMedia::writeFile(withId3, id3v2 + QByteArray(128, '\0') + bytes + id3v1);

    for (const QString &path : {cut, doubled, withId3})
        EXPECT_DOUBLE_EQ(m_duration.seconds(path), played(path)) << path.toStdString();
    EXPECT_NEAR(m_duration.seconds(cut), 2.0, 0.3);
    EXPECT_NEAR(m_duration.seconds(doubled), 8.0, 0.3);
    EXPECT_NEAR(m_duration.seconds(withId3), 4.0, 0.01);
}

TEST_F(Mp3DurationTest, AnythingElseIsZeroWithoutBlocking)
{
    const QString junk = file(QStringLiteral("junk.mp3"));
    TestMedia::writeFile(junk, QByteArray(300000, '\x5a'));
    const QString empty = file(QStringLiteral("empty.mp3"));
    TestMedia::writeFile(empty, {});
    const QString pipe = file(QStringLiteral("pipe.mp3"));
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);

    QElapsedTimer clock;
    clock.start();
    for (const QString &path :
         {junk, empty, pipe, m_dir.path(), file(QStringLiteral("missing.mp3"))})
        EXPECT_EQ(m_duration.seconds(path), 0.0) << path.toStdString();
    EXPECT_LT(clock.elapsed(), 5000); // a pipe would block a plain open forever
}
