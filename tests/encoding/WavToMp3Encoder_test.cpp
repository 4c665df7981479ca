#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "DecodedMp3.h"
#include "ExpectRaised.h"
#include "Mp3Writer.h"
#include "TestMedia.h"
#include "WavToMp3Encoder.h"

namespace {
constexpr int kStandard = 6;
constexpr int kCbr = 12;

class WavToMp3EncoderTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString wav(const QString &name, double seconds, int rate = 44100, int channels = 2)
    {
        EXPECT_TRUE(TestMedia::makeWav(path(name), seconds, 1000, rate, channels));
        return path(name);
    }
    // Records every Progress event; cancels on event number cancelAt (1-based), if set.
    void watch(WavToMp3Encoder &encoder, int cancelAt = 0)
    {
        QObject::connect(&encoder, &WavToMp3Encoder::Progress,
                         [this, cancelAt](qint64 done, qint64 total, bool &cancel) {
                             events.append({done, total});
                             cancel = events.size() == cancelAt;
                         });
    }

    QTemporaryDir m_dir;
    QList<QPair<qint64, qint64>> events;
};
} // namespace

TEST_F(WavToMp3EncoderTest, TakesOnlyAnExistingWavAndANewMp3Name)
{
    WavToMp3Encoder encoder;
    const QString existing = wav("in.wav", 0.1);
    for (const QString &name : {existing, path("missing.wav"), m_dir.path()})
        encoder.setWavFile(name);
    EXPECT_EQ(encoder.WavFile(), existing);
    encoder.setMp3File(path("out.mp3"));
    encoder.setMp3File(existing);
    EXPECT_EQ(encoder.Mp3File(), path("out.mp3"));
}

// Decoded gapless (the tag frame holds delay and padding) to the input's exact length, with one
// Progress per chunk of 1152 frames (the last one partial) and one at the end.
TEST_F(WavToMp3EncoderTest, ToneSurvivesWithExactLengthRateAndTagFrame)
{
    const QList<std::tuple<int, double, int, const char *, int>> cases = {
        {kCbr, 5.0, 44100, "Info", 192}, // the tag frame's id follows 32 bytes of side info
        {kStandard, 5.0, 44100, "Xing", 192},
        {kCbr, 1.0, 48000, "Info", 42}, // the stream runs at the recording's own rate
        {kCbr, 0.01, 44100, "Info", 1}};
    for (const auto &[preset, seconds, rate, tag, chunks] : cases) {
        const QString out = path(QStringLiteral("%1-%2-%3.mp3").arg(preset).arg(seconds).arg(rate));
        WavToMp3Encoder encoder;
        encoder.setEncodingPreset(preset);
        encoder.setWavFile(wav(QStringLiteral("in.wav"), seconds, rate));
        encoder.setMp3File(out);
        events.clear();
        watch(encoder);
        encoder.Encode();
        EXPECT_EQ(TestMedia::readFile(out).mid(36, 4), QByteArray(tag)) << qPrintable(out);
        const DecodedMp3 decoded = DecodedMp3::decode(out);
        EXPECT_EQ(decoded.sampleRate, rate);
        const qint64 samples = qRound64(seconds * rate) * 2;
        EXPECT_EQ(decoded.frames * 2, samples) << qPrintable(out);
        if (chunks > 1) { // a one-chunk clip is too short to show its frequency
            EXPECT_NEAR(decoded.frequency(), 1000.0, 5.0) << qPrintable(out);
        }
        ASSERT_EQ(events.size(), chunks + 1) << qPrintable(out);
        EXPECT_EQ(events.first(), qMakePair(qMin<qint64>(2304, samples), samples));
        EXPECT_EQ(events.at(chunks - 1), qMakePair(samples, samples));
        EXPECT_EQ(events.last(), qMakePair(samples, samples));
    }
}

TEST_F(WavToMp3EncoderTest, CancelOnTheFirstEventDeletesTheFile)
{
    WavToMp3Encoder encoder;
    watch(encoder, 1);
    encoder.setWavFile(wav("tone.wav", 5.0));
    encoder.setMp3File(path("cancelled.mp3"));
    encoder.Encode();
    EXPECT_EQ(events, (QList<QPair<qint64, qint64>>{{2304, 441000}}));
    EXPECT_FALSE(QFile::exists(path("cancelled.mp3")));
}

TEST_F(WavToMp3EncoderTest, ErrorsCarryTheirNumbersAndSourcesAndOverwriteNothing)
{
    const QString stereo = wav("stereo.wav", 0.2);
    WavToMp3Encoder encoder;
    encoder.setWavFile(stereo);
    expectRaised([&] { encoder.Encode(); }, 29872, "tavro.lameConvert",
                 "Unable to open file for writing");
    // A file that appeared after the name was accepted is not overwritten.
    encoder.setMp3File(path("taken.mp3"));
    TestMedia::writeFile(path("taken.mp3"), "mine");
    expectRaised([&] { encoder.Encode(); }, 29872, "tavro.lameConvert",
                 "Unable to open file for writing");
    EXPECT_EQ(TestMedia::readFile(path("taken.mp3")), QByteArray("mine"));

    encoder.setMp3File(path("out.mp3"));
    encoder.setWavFile(wav("mono.wav", 0.2, 44100, 1));
    expectRaised([&] { encoder.Encode(); }, 29771, "tavro.lameConvert", "Invalid Format");
    EXPECT_FALSE(QFile::exists(path("out.mp3")));
    encoder.setWavFile(stereo);
    encoder.setEncodingPreset(99);
    expectRaised([&] { encoder.Encode(); }, 29772, "tavro.lameInit", "Invalid Format Parameters");
    encoder.setEncodingPreset(kStandard); // the same object runs again after failures
    encoder.Encode();
    EXPECT_EQ(DecodedMp3::decode(path("out.mp3")).frames, 8820);
}

TEST(Mp3Writer, RaisesItsNumberedErrors)
{
    Mp3Writer writer;
    expectRaised([&] { writer.setFilename(QString()); }, 29872, "tavro.OpenFile",
                 "Unable to open file for writing");
    expectRaised([&] { writer.WriteBufferToFile(8193); }, 29873, "tavro.WriteBufferToFile",
                 "Cannot write more data than is available in the buffer");
    expectRaised([&] { writer.WriteBufferToFile(10); }, 29874, "tavro.WriteBufferToFile",
                 "File not open for writing");
    expectRaised([&] { writer.setBufferSize(-1); }, 29871, "tavro.AllocateBuffer",
                 "Unable to allocate output buffer for writing");
    EXPECT_EQ(writer.BufferPointer(), nullptr);
    expectRaised([&] { writer.WriteBufferToFile(1); }, 29873, "tavro.WriteBufferToFile",
                 "Cannot write more data than is available in the buffer");
}
