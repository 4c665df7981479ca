#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "DecodedMp3.h"
#include "ExpectRaised.h"
#include "TestMedia.h"
#include "WavToMp3Encoder.h"

namespace {
constexpr int kStandard = 6;
constexpr int kCbr = 12;

class WavToMp3EncoderTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QString wav(const char *name, double seconds, int rate = 44100, int channels = 2)
    {
        const QString file = path(name);
        EXPECT_TRUE(TestMedia::makeWav(file, seconds, 1000, rate, channels));
        return file;
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
    // The tag frame's id: "Xing" for VBR, "Info" for CBR (MPEG-1 stereo side information is 32
    // bytes).
    static QByteArray tagId(const QString &mp3) { return TestMedia::readFile(mp3).mid(36, 4); }

    QTemporaryDir m_dir;
    QList<QPair<qint64, qint64>> events;
};
} // namespace

TEST_F(WavToMp3EncoderTest, TakesOnlyAnExistingWavAndANewMp3Name)
{
    WavToMp3Encoder encoder;
    const QString existing = wav("in.wav", 0.1);
    encoder.setWavFile(existing);
    encoder.setWavFile(path("missing.wav"));
    encoder.setWavFile(m_dir.path());
    EXPECT_EQ(encoder.WavFile(), existing);
    encoder.setMp3File(path("out.mp3"));
    encoder.setMp3File(existing);
    EXPECT_EQ(encoder.Mp3File(), path("out.mp3"));
}

TEST_F(WavToMp3EncoderTest, ToneSurvivesCbrAndVbrWithExactLengthAndTagFrame)
{
    const QString in = wav("tone.wav", 5.0);
    for (const auto &[preset, tag] : {std::pair{kCbr, "Info"}, std::pair{kStandard, "Xing"}}) {
        const QString out = path(preset == kCbr ? "cbr.mp3" : "vbr.mp3");
        WavToMp3Encoder encoder;
        encoder.setEncodingPreset(preset);
        encoder.setWavFile(in);
        encoder.setMp3File(out);
        events.clear();
        watch(encoder);
        encoder.Encode();

        EXPECT_EQ(tagId(out), QByteArray(tag)) << preset;
        const DecodedMp3 decoded = DecodedMp3::decode(out);
        ASSERT_TRUE(decoded.ok) << preset;
        EXPECT_EQ(decoded.sampleRate, 44100);
        EXPECT_EQ(decoded.frames, 220500)
            << preset; // gapless: the tag frame holds delay and padding
        EXPECT_NEAR(decoded.frequency(), 1000.0, 5.0) << preset;

        // One event per chunk of 1152 frames, the last chunk partial, then the end.
        ASSERT_EQ(events.size(), 192 + 1);
        EXPECT_EQ(events.first(), qMakePair(qint64(2304), qint64(441000)));
        EXPECT_EQ(events.at(191), qMakePair(qint64(441000), qint64(441000)));
        EXPECT_EQ(events.last(), qMakePair(qint64(441000), qint64(441000)));
    }
}

TEST_F(WavToMp3EncoderTest, KeepsTheRecordingsRateAndEncodesAClipShorterThanAChunk)
{
    WavToMp3Encoder encoder;
    encoder.setEncodingPreset(kCbr);
    encoder.setWavFile(wav("48k.wav", 1.0, 48000));
    encoder.setMp3File(path("48k.mp3"));
    encoder.Encode();
    DecodedMp3 decoded = DecodedMp3::decode(path("48k.mp3"));
    EXPECT_EQ(decoded.sampleRate, 48000);
    EXPECT_EQ(decoded.frames, 48000);
    EXPECT_NEAR(decoded.frequency(), 1000.0, 5.0);

    watch(encoder);
    encoder.setWavFile(wav("click.wav", 0.01));
    encoder.setMp3File(path("click.mp3"));
    encoder.Encode();
    decoded = DecodedMp3::decode(path("click.mp3"));
    EXPECT_EQ(decoded.frames, 441);
    EXPECT_EQ(events, (QList<QPair<qint64, qint64>>{{882, 882}, {882, 882}}));
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

TEST_F(WavToMp3EncoderTest, ErrorsCarryTheirNumbersAndSources)
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
