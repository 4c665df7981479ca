#include <cmath>

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"
#include "Mp3PlayTime.h"
#include "TestMedia.h"

// The play-time analyser: its scan (byte and half-byte syncs, rejections), tables and arithmetic;
// and both header readers on what lame makes in joint stereo at every rate and bit rate it
// offers, against the header rules.
namespace {
QByteArray header(quint8 h1, quint8 h2, quint8 h3) { return Mp3Bytes::frame(h1, h2, h3, 4); }
QByteArray bytes(const char *text, int size) { return QByteArray(text, size); }

// Every result after a refresh, in one line: valid|version|layer|bit rate|frequency|channel mode
// and extension|frame size|frames|seconds|CRC protected, original, copyright, padding, private|
// emphasis.
std::string analyse(Mp3PlayTime &time, const QString &path)
{
    time.setFilename(path);
    const bool valid = time.refresh();
    const auto n = [](qint64 value) { return QString::number(value); };
    return (QStringList{n(valid), time.VersionText() + ' ' + n(time.Version()),
                        time.LayerText() + ' ' + n(time.Layer()), n(time.Bitrate()),
                        n(time.Frequency()),
                        time.ChannelModeText() + ' ' + n(time.ChannelMode()) + ' ' +
                            n(time.ChannelModeExtention()),
                        n(time.FrameSize()), n(time.Frames()), n(time.seconds()),
                        n(time.CRCProtected()) + n(time.Original()) + n(time.Copyright()) +
                            n(time.Padding()) + n(time.PrivateBit()),
                        time.EmphasisText() + ' ' + n(time.Emphasis())})
        .join(QLatin1Char('|'))
        .toStdString();
}
const std::string cleared = "0| 0| 0|0|0| 0 0|0|0|0|00000| 0";
} // namespace

TEST(Mp3PlayTimeTest, AnalysesEveryVersionLayerRateAndFlag)
{
    const struct {
        QByteArray head;
        qint64 size;
        std::string expected;
    } cases[] = {
        {header(0xFB, 0x90, 0x64), 4000000,
         "1|MPEG 1 3|Layer III 1|128000|44100|Joint Stereo (Stereo) 1 2|417|9592|249|11000|None 0"},
        // Private bit, not padding.
        {header(0xFA, 0x91, 0xBF), 4000000,
         "1|MPEG 1 3|Layer III 1|128000|44100|Dual Channel (Stereo) 2 3|417|9592|249|01101|CIT "
         "J.17 3"},
        // Padding, never added for Layer III.
        {header(0xFB, 0x92, 0x01), 4000000,
         "1|MPEG 1 3|Layer III 1|128000|44100|Stereo 0 0|417|9592|249|10010|50/15 ms 1"},
        // 48000 Hz: 32.5 frames a second (44100 Hz: 38.5; 32000 Hz: 27.8, the lame files below).
        {header(0xFB, 0x94, 0x02), 4000000,
         "1|MPEG 1 3|Layer III 1|128000|48000|Stereo 0 0|384|10417|321|10000|reserved 2"},
        // MPEG 2 and 2.5 mono halve once, stereo does not (joint stereo: the lame files below).
        {header(0xF3, 0x80, 0xC0), 4000000,
         "1|MPEG 2 2|Layer III 1|64000|22050|Single Channel (Mono) 3 0|208|19231|500|10000|None 0"},
        {header(0xF3, 0x84, 0x00), 4000000,
         "1|MPEG 2 2|Layer III 1|64000|24000|Stereo 0 0|384|10417|321|10000|None 0"},
        {header(0xE3, 0x40, 0xC0), 4000000,
         "1|MPEG 2.5 0|Layer III 1|32000|11025|Single Channel (Mono) 3 0|208|19231|500|10000|None "
         "0"},
        // Layer I: (size + 1) x 4, MPEG 1 mono not halved; Layer II: no padding.
        {header(0xFF, 0x92, 0x00), 4000000,
         "1|MPEG 1 3|Layer I 3|288000|44100|Stereo 0 0|317|12618|328|10010|None 0"},
        {header(0xFF, 0x90, 0xC0), 4000000,
         "1|MPEG 1 3|Layer I 3|288000|44100|Single Channel (Mono) 3 0|313|12780|332|10000|None 0"},
        {header(0xF7, 0x96, 0x00), 4000000,
         "1|MPEG 2 2|Layer I 3|144000|24000|Stereo 0 0|292|13699|422|10010|None 0"},
        {header(0xFD, 0x92, 0x00), 4000000,
         "1|MPEG 1 3|Layer II 2|160000|44100|Stereo 0 0|522|7663|199|10010|None 0"},
        {header(0xF5, 0xE0, 0x00), 4000000,
         "1|MPEG 2 2|Layer II 2|160000|22050|Stereo 0 0|1044|3831|100|10000|None 0"},
        // 1F FF 3B: a sync in the middle of a byte; 1F FF 30: layer code 0 is rejected.
        {bytes("\x00\x1F\xFF\x3B\x90\x64", 6), 4000000,
         "1|MPEG 1 3|Layer III 1|128000|44100|Joint Stereo (Stereo) 1 2|417|9592|249|11000|None 0"},
        {bytes("\x1F\xFF\x30\x90\x00\x00\x00\x00\xFF\xF3\x80\xC0", 12), 4000000,
         "1|MPEG 2 2|Layer III 1|64000|22050|Single Channel (Mono) 3 0|208|19231|500|10000|None 0"},
        // Rate index 3 rejected at byte 1: the scan goes on at byte 6, past the MPEG 2 header.
        {bytes("\xFF\xFB\x0C\xFF\xF3\x80\xC0\xFF\xFB\x90\x64", 11), 4000000,
         "1|MPEG 1 3|Layer III 1|128000|44100|Joint Stereo (Stereo) 1 2|417|9592|249|11000|None 0"},
        {header(0xFB, 0xF0, 0x00), 4000000, cleared}, // bit-rate index 15
        {QByteArray(50000, '\xFF'), 50000, cleared},
        // Short files, and files too short for one second.
        {header(0xFB, 0x90, 0x64), 4095, cleared},
        {header(0xFB, 0x90, 0x64), 4096,
         "0|MPEG 1 3|Layer III 1|128000|44100|Joint Stereo (Stereo) 1 2|417|10|0|11000|None 0"},
        {header(0xFB, 0x90, 0x64), 16000,
         "1|MPEG 1 3|Layer III 1|128000|44100|Joint Stereo (Stereo) 1 2|417|38|1|11000|None 0"},
        // Reserved version code: accepted, but without a sample rate there is no size.
        {header(0xEB, 0x90, 0x64), 4000000,
         "0| 1|Layer III 1|128000|0|Joint Stereo (Stereo) 1 2|0|0|0|11000|None 0"},
        // 5 GiB: the size and frame count do not wrap.
        {header(0xFB, 0x90, 0x64), 5LL << 30,
         "1|MPEG 1 3|Layer III 1|128000|44100|Joint Stereo (Stereo) 1 2|417|12874602|334405|11000|"
         "None 0"},
    };
    QTemporaryDir dir;
    Mp3PlayTime time;
    for (const auto &c : cases) {
        const QString path =
            Mp3Bytes::sparse(dir.filePath(QStringLiteral("t.mp3")), c.head, c.size);
        EXPECT_EQ(analyse(time, path), c.expected) << c.head.toHex().constData() << ' ' << c.size;
        EXPECT_EQ(time.FileSize(), c.size);
    }
}

TEST(Mp3PlayTimeTest, ANewNameClearsTheResultsAndWhatIsNotAFileIsNotValid)
{
    QTemporaryDir dir;
    Mp3PlayTime time;
    analyse(time, Mp3Bytes::sparse(dir.filePath("t.mp3"), header(0xFB, 0x90, 0x64), 4000000));
    time.setFilename("other.mp3");
    EXPECT_EQ(time.Filename(), "other.mp3");
    EXPECT_EQ(time.FileSize() + time.Bitrate() + time.FrameSize() + time.seconds(), 0);
    for (const QString &path : {dir.filePath("missing.mp3"), dir.path()}) {
        EXPECT_EQ(analyse(time, path), cleared);
        EXPECT_EQ(time.FileSize(), 0);
    }
}

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

TEST(Mp3PlayTimeTest, BothHeaderReadersFollowTheHeaderRulesOnLameFiles)
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
