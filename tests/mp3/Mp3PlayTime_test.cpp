#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3PlayTime.h"

// The play-time analyser: its scan (byte and half-byte syncs, rejections), tables and arithmetic.
namespace {
class Mp3PlayTimeTest : public ::testing::Test {
protected:
    // Analyses `head` followed by zeros up to `size` bytes; returns refresh's result.
    bool analyse(const QByteArray &head, qint64 size = 4000000)
    {
        const QString path = Mp3Bytes::sparse(m_dir.filePath(QStringLiteral("t.mp3")), head, size);
        m_time.setFilename(path);
        m_signals.clear();
        const bool valid = m_time.refresh();
        EXPECT_EQ(m_signals, QList<bool>{valid});
        return valid;
    }
    void SetUp() override
    {
        QObject::connect(&m_time, &Mp3PlayTime::ReadComplete,
                         [this](bool valid) { m_signals.append(valid); });
    }
    void expectCleared() const
    {
        EXPECT_EQ(m_time.Bitrate(), 0);
        EXPECT_EQ(m_time.Frequency(), 0);
        EXPECT_EQ(m_time.Version(), 0);
        EXPECT_EQ(m_time.Layer(), 0);
        EXPECT_FALSE(m_time.CRCProtected());
        EXPECT_EQ(m_time.VersionText(), QString());
        EXPECT_EQ(m_time.EmphasisText(), QString());
        EXPECT_EQ(m_time.FrameSize(), 0);
        EXPECT_EQ(m_time.seconds(), 0);
    }

    QTemporaryDir m_dir;
    Mp3PlayTime m_time;
    QList<bool> m_signals;
};

QByteArray header(quint8 h1, quint8 h2, quint8 h3) { return Mp3Bytes::frame(h1, h2, h3, 4); }
} // namespace

TEST_F(Mp3PlayTimeTest, AnalysesAnMpeg1Layer3File)
{
    EXPECT_TRUE(analyse(header(0xFB, 0x90, 0x64)));
    EXPECT_EQ(m_time.VersionText(), QStringLiteral("MPEG 1"));
    EXPECT_EQ(m_time.Version(), 3);
    EXPECT_EQ(m_time.LayerText(), QStringLiteral("Layer III"));
    EXPECT_EQ(m_time.Layer(), 1);
    EXPECT_EQ(m_time.Bitrate(), 128000);
    EXPECT_EQ(m_time.Frequency(), 44100);
    EXPECT_EQ(m_time.ChannelModeText(), QStringLiteral("Joint Stereo (Stereo)"));
    EXPECT_EQ(m_time.ChannelMode(), 1);
    EXPECT_EQ(m_time.ChannelModeExtention(), 2);
    EXPECT_EQ(m_time.FrameSize(), 417);
    EXPECT_EQ(m_time.Frames(), 9592);
    EXPECT_EQ(m_time.seconds(), 249);
    EXPECT_EQ(m_time.FileSize(), 4000000);
    EXPECT_TRUE(m_time.CRCProtected());
    EXPECT_TRUE(m_time.Original());
    EXPECT_FALSE(m_time.Copyright());
    EXPECT_FALSE(m_time.Padding());
    EXPECT_FALSE(m_time.PrivateBit());
    EXPECT_EQ(m_time.EmphasisText(), QStringLiteral("None"));
    EXPECT_EQ(m_time.Time(), QTime(0, 4, 9));
    EXPECT_EQ(Mp3PlayTime::ConvertSeconds(245), QTime(0, 4, 5));
}

TEST_F(Mp3PlayTimeTest, FlagsRatesAndTexts)
{
    EXPECT_TRUE(analyse(header(0xFA, 0x91, 0xBF))); // private bit (0x91), not padding
    EXPECT_TRUE(m_time.PrivateBit());
    EXPECT_FALSE(m_time.Padding());
    EXPECT_FALSE(m_time.CRCProtected());
    EXPECT_EQ(m_time.ChannelModeText(), QStringLiteral("Dual Channel (Stereo)"));
    EXPECT_EQ(m_time.ChannelModeExtention(), 3);
    EXPECT_TRUE(m_time.Copyright());
    EXPECT_TRUE(m_time.Original());
    EXPECT_EQ(m_time.EmphasisText(), QStringLiteral("CIT J.17"));

    EXPECT_TRUE(analyse(header(0xFB, 0x92, 0x01))); // padding, not added for Layer III
    EXPECT_TRUE(m_time.Padding());
    EXPECT_FALSE(m_time.PrivateBit());
    EXPECT_EQ(m_time.FrameSize(), 417);
    EXPECT_EQ(m_time.ChannelModeText(), QStringLiteral("Stereo"));
    EXPECT_EQ(m_time.EmphasisText(), QStringLiteral("50/15 ms"));

    EXPECT_TRUE(analyse(header(0xFB, 0x94, 0x02))); // 48000 Hz: 384 bytes, divisor 32.5
    EXPECT_EQ(m_time.Frequency(), 48000);
    EXPECT_EQ(m_time.FrameSize(), 384);
    EXPECT_EQ(m_time.Frames(), 10417);
    EXPECT_EQ(m_time.seconds(), 321);
    EXPECT_EQ(m_time.EmphasisText(), QStringLiteral("reserved"));

    EXPECT_TRUE(analyse(header(0xFB, 0x98, 0x00))); // 32000 Hz: divisor 27.8
    EXPECT_EQ(m_time.FrameSize(), 576);
    EXPECT_EQ(m_time.Frames(), 6944);
    EXPECT_EQ(m_time.seconds(), 250);
}

TEST_F(Mp3PlayTimeTest, FrameSizesOfEveryVersionLayerAndChannelMode)
{
    const struct {
        quint8 h1, h2, h3;
        const char *version, *layer;
        int bitrate, frequency, frameSize;
    } cases[] = {
        {0xF3, 0x80, 0xC0, "MPEG 2", "Layer III", 64000, 22050, 208},   // mono halves once
        {0xF3, 0x80, 0x40, "MPEG 2", "Layer III", 64000, 22050, 208},   // joint halves once
        {0xF3, 0x84, 0x00, "MPEG 2", "Layer III", 64000, 24000, 384},   // stereo does not
        {0xE3, 0x48, 0x40, "MPEG 2.5", "Layer III", 32000, 8000, 144},  // joint halves twice
        {0xE3, 0x40, 0xC0, "MPEG 2.5", "Layer III", 32000, 11025, 208}, // mono halves once
        {0xFF, 0x92, 0x00, "MPEG 1", "Layer I", 288000, 44100, 317},    // (78.37 + 1) x 4
        {0xFF, 0x90, 0xC0, "MPEG 1", "Layer I", 288000, 44100, 313},    // MPEG 1 mono: no halving
        {0xF7, 0x96, 0x00, "MPEG 2", "Layer I", 144000, 24000, 292},    // (72 + 1) x 4
        {0xFD, 0x92, 0x00, "MPEG 1", "Layer II", 160000, 44100, 522},   // no padding for Layer II
        {0xF5, 0xE0, 0x00, "MPEG 2", "Layer II", 160000, 22050, 1044},
    };
    for (const auto &c : cases) {
        EXPECT_TRUE(analyse(header(c.h1, c.h2, c.h3))) << int(c.h1) << ' ' << int(c.h2);
        EXPECT_EQ(m_time.VersionText(), QLatin1String(c.version));
        EXPECT_EQ(m_time.LayerText(), QLatin1String(c.layer));
        EXPECT_EQ(m_time.Bitrate(), c.bitrate);
        EXPECT_EQ(m_time.Frequency(), c.frequency);
        EXPECT_EQ(m_time.FrameSize(), c.frameSize) << int(c.h1) << ' ' << int(c.h2);
    }
}

TEST_F(Mp3PlayTimeTest, SyncsMayStartInTheMiddleOfAByte)
{
    // 1F FF 3B 90 64: the header is the whole bytes 3B 90 64 after the half-byte sync.
    EXPECT_TRUE(analyse(QByteArray("\x00\x1F\xFF\x3B\x90\x64", 6)));
    EXPECT_EQ(m_time.VersionText(), QStringLiteral("MPEG 1"));
    EXPECT_EQ(m_time.Bitrate(), 128000);
    EXPECT_EQ(m_time.ChannelMode(), 1);
    // 1F FF 30: layer code 0 has no bit rate, so that header is rejected and a later one found.
    EXPECT_TRUE(analyse(QByteArray("\x1F\xFF\x30\x90\x00\x00\x00\x00\xFF\xF3\x80\xC0", 12)));
    EXPECT_EQ(m_time.VersionText(), QStringLiteral("MPEG 2"));
}

TEST_F(Mp3PlayTimeTest, ARejectedHeaderResumesTheScanFiveBytesOn)
{
    // FF FB 0C (rate index 3) rejected at byte 1; the MPEG 2 header at byte 4 is skipped over;
    // the MPEG 1 header at byte 8 is found.
    EXPECT_TRUE(analyse(QByteArray("\xFF\xFB\x0C\xFF\xF3\x80\xC0\xFF\xFB\x90\x64", 11)));
    EXPECT_EQ(m_time.VersionText(), QStringLiteral("MPEG 1"));
    EXPECT_EQ(m_time.Frequency(), 44100);
    // Bit-rate index 15 is rejected too, and nothing else is there.
    EXPECT_FALSE(analyse(header(0xFB, 0xF0, 0x00)));
    expectCleared();
}

TEST_F(Mp3PlayTimeTest, ShortMissingAndReservedFilesAreNotValid)
{
    EXPECT_FALSE(analyse(header(0xFB, 0x90, 0x64), 3000));
    EXPECT_EQ(m_time.FileSize(), 3000);
    expectCleared();
    EXPECT_FALSE(analyse(header(0xFB, 0x90, 0x64), 4095));
    EXPECT_TRUE(analyse(header(0xFB, 0x90, 0x64), 16000)); // 38 frames, 1 second
    EXPECT_FALSE(analyse(header(0xFB, 0x90, 0x64), 4096)); // 10 frames: 0 seconds

    // Reserved version code 1: accepted, but without a sample rate there is no size.
    EXPECT_FALSE(analyse(header(0xEB, 0x90, 0x64)));
    EXPECT_EQ(m_time.Bitrate(), 128000);
    EXPECT_EQ(m_time.Frequency(), 0);
    EXPECT_EQ(m_time.VersionText(), QString());
    EXPECT_EQ(m_time.LayerText(), QStringLiteral("Layer III"));
    EXPECT_EQ(m_time.FrameSize(), 0);
    EXPECT_EQ(m_time.Frames(), 0);

    EXPECT_FALSE(analyse(QByteArray(50000, '\xFF'), 50000));
    expectCleared();

    m_time.setFilename(m_dir.filePath(QStringLiteral("missing.mp3")));
    m_signals.clear();
    EXPECT_FALSE(m_time.refresh());
    EXPECT_EQ(m_signals, QList<bool>{false});
    EXPECT_EQ(m_time.FileSize(), 0);
    m_time.setFilename(m_dir.path());
    EXPECT_FALSE(m_time.refresh());
}

TEST_F(Mp3PlayTimeTest, FilenameClearsTheResultsAndHugeFilesKeepTheirSize)
{
    EXPECT_TRUE(analyse(header(0xFB, 0x90, 0x64), 5LL << 30));
    EXPECT_EQ(m_time.FileSize(), 5LL << 30);
    EXPECT_EQ(m_time.Frames(), 12874602); // 5 GiB / 417, rounded
    EXPECT_EQ(m_time.seconds(), 334405);
    m_time.setFilename(QStringLiteral("other.mp3"));
    EXPECT_EQ(m_time.Filename(), QStringLiteral("other.mp3"));
    EXPECT_EQ(m_time.FileSize(), 0);
    expectCleared();
}
