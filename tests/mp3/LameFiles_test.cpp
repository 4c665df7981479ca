#include <cmath>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "Mp3FileRecord.h"
#include "Mp3PlayTime.h"
#include "TestMedia.h"

// Both header readers on what lame makes in joint stereo at every rate and bit rate it offers,
// against the header rules.
namespace {
// The play-time analyser reads every version and layer.
void expectAnalysed(const QString &path, int kbps, int rate, qint64 size)
{
    Mp3PlayTime t;
    t.setFilename(path);
    const bool valid = t.refresh();
    EXPECT_EQ(t.FileSize(), size);
    if (size < 4096) { // too short to analyse
        EXPECT_TRUE(t.Bitrate() == 0 && !valid);
        return;
    }
    const int version = rate >= 32000 ? 3 : rate >= 16000 ? 2 : 0;
    double f = kbps * 1000.0 / rate * 144;
    for (int halvings = version == 3 ? 0 : version == 2 ? 1 : 2; halvings > 0; --halvings)
        f = std::trunc(f) / 2;
    const double perSecond = rate % 11025 == 0 ? 38.5 : rate % 12000 == 0 ? 32.5 : 27.8;
    const int frames = int(std::nearbyint(double(size) / int(f)));
    const int seconds = int(std::nearbyint(frames / perSecond));
    const char *const versionTexts[] = {"MPEG 2.5", "", "MPEG 2", "MPEG 1"};
    EXPECT_EQ((QStringList{t.VersionText(), t.LayerText(), t.ChannelModeText()}),
              (QStringList{versionTexts[version], "Layer III", "Joint Stereo (Stereo)"}));
    EXPECT_EQ((QList<qint64>{t.Version(), t.Bitrate(), t.Frequency(), t.FrameSize(), t.Frames(),
                             t.seconds(), valid}),
              (QList<qint64>{version, kbps * 1000, rate, int(f), frames, seconds, seconds != 0}));
}

// The file record decodes MPEG-1 files from their first frame. It never sees the real frames of
// MPEG 2 and 2.5 files, only false syncs in their audio data, if any.
void expectRecord(const QString &path, int kbps, int rate, qint64 size)
{
    Mp3FileRecord r;
    r.setFullName(path);
    r.ReadMP3Info();
    const bool valid = r.ValidHeader() == "True";
    EXPECT_EQ(r.PlayTime() == QVariant(-1), !valid);
    if (rate < 32000) {
        EXPECT_TRUE(valid || !r.lastReadHeader().isEmpty());
        return;
    }
    const int frameLength = kbps * 144000 / rate + r.Padding().toInt();
    EXPECT_EQ((QStringList{r.lastReadHeader(), r.ValidHeader(), r.MPEGVersion(), r.Bitrate(),
                           r.SampleRate(), r.ChannelMode()}),
              (QStringList{"", "True", "1.0", QString::number(kbps).leftJustified(3),
                           QString::number(rate), "Joint Stereo"}));
    EXPECT_EQ(r.FrameLength(), frameLength);
    EXPECT_EQ(r.TotalFrames(), size / frameLength);
    EXPECT_FLOAT_EQ(r.PlayTime().toFloat(),
                    float(std::floor((size * 8.0 / kbps / 1000 + 0.05) * 100) / 100));
}
} // namespace

TEST(LameFilesTest, BothHeaderReadersFollowTheHeaderRules)
{
    const QList<int> mpeg1 = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    const QList<int> mpeg2 = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    QTemporaryDir dir;
    const QString wav = dir.filePath("tone.wav"), mp3 = dir.filePath("tone.mp3");
    for (const int rate : {8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000}) {
        ASSERT_TRUE(TestMedia::makeWav(wav, 2, 440, rate));
        for (const int kbps : rate >= 32000 ? mpeg1 : rate >= 16000 ? mpeg2 : mpeg2.mid(0, 8)) {
            SCOPED_TRACE(QStringLiteral("%1 kbit/s, %2 Hz").arg(kbps).arg(rate).toStdString());
            ASSERT_EQ(
                TestMedia::run("lame", {"--quiet", "-m", "j", "-b", QString::number(kbps),
                                        "--resample", QString::number(rate / 1000.0), wav, mp3}),
                0);
            expectAnalysed(mp3, kbps, rate, QFileInfo(mp3).size());
            expectRecord(mp3, kbps, rate, QFileInfo(mp3).size());
        }
    }
}
