#include <limits>

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"

// The header half of the file record: search, next-frame check, decoding, frame count, play time.
namespace {
class Mp3FileRecordTest : public ::testing::Test {
protected:
    // Reads the file made of bytes through a fresh record; returns ReadHeader's text.
    QString read(const QByteArray &bytes)
    {
        m_record.setFullName(Mp3Bytes::write(m_dir.filePath(QStringLiteral("t.mp3")), bytes));
        return m_record.ReadHeader();
    }

    QTemporaryDir m_dir;
    Mp3FileRecord m_record;
};

// 128 kbit/s, 44100 Hz, joint stereo, original: 417 bytes a frame.
const QByteArray cbr128 = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 3);
} // namespace

TEST_F(Mp3FileRecordTest, DecodesAConfirmedMpeg1Layer3Header)
{
    EXPECT_EQ(read(cbr128), QString());
    EXPECT_EQ(m_record.MPEGVersion(), QStringLiteral("1.0"));
    EXPECT_EQ(m_record.Layer(), QStringLiteral("3"));
    EXPECT_EQ(m_record.Bitrate(), QStringLiteral("128"));
    EXPECT_EQ(m_record.SampleRate(), QStringLiteral("44100"));
    EXPECT_EQ(m_record.FrameLength(), 417);
    EXPECT_FALSE(m_record.CRCPresent());
    EXPECT_EQ(m_record.ValidHeader(), QStringLiteral("True"));
    EXPECT_EQ(m_record.ChannelMode(), QStringLiteral("Joint Stereo"));
    EXPECT_EQ(m_record.ModeExtension(), QStringLiteral("10"));
    EXPECT_FALSE(m_record.Copyright());
    EXPECT_TRUE(m_record.Original());
    EXPECT_EQ(m_record.Emphasis(), QStringLiteral("None    "));
    EXPECT_EQ(m_record.Padding(), QStringLiteral("0"));
    EXPECT_EQ(m_record.PrivateBit(), 0);
    EXPECT_EQ(m_record.TotalFrames(), 3);
}

TEST_F(Mp3FileRecordTest, DecodesEveryFieldValue)
{
    // CRC (0xFA), 32 kbit/s at 48000 Hz with padding and private bit, mono, copyright, emphasis 3.
    EXPECT_EQ(read(Mp3Bytes::frames(0xFA, 0x17, 0xCB, 97, 2)), QString());
    EXPECT_TRUE(m_record.CRCPresent());
    EXPECT_EQ(m_record.Bitrate(), QStringLiteral("32 "));
    EXPECT_EQ(m_record.SampleRate(), QStringLiteral("48000"));
    EXPECT_EQ(m_record.Padding(), QStringLiteral("1"));
    EXPECT_EQ(m_record.PrivateBit(), 1);
    EXPECT_EQ(m_record.ChannelMode(), QStringLiteral("Mono        "));
    EXPECT_EQ(m_record.ModeExtension(), QStringLiteral("00"));
    EXPECT_TRUE(m_record.Copyright());
    EXPECT_FALSE(m_record.Original());
    EXPECT_EQ(m_record.Emphasis(), QStringLiteral("CCIT J.1"));
    EXPECT_EQ(m_record.FrameLength(), 97); // 32 x 144000 / 48000 + 1

    // 320 kbit/s at 32000 Hz, dual channel, emphasis 1 and 2.
    EXPECT_EQ(read(Mp3Bytes::frames(0xFB, 0xE8, 0x81, 1440, 2)), QString());
    EXPECT_EQ(m_record.Bitrate(), QStringLiteral("320"));
    EXPECT_EQ(m_record.SampleRate(), QStringLiteral("32000"));
    EXPECT_EQ(m_record.ChannelMode(), QStringLiteral("Dual Channel"));
    EXPECT_EQ(m_record.Emphasis(), QStringLiteral("50/15 ms"));
    EXPECT_EQ(m_record.FrameLength(), 1440);
    EXPECT_EQ(read(Mp3Bytes::frames(0xFB, 0xE8, 0x02, 1440, 2)), QString());
    EXPECT_EQ(m_record.ChannelMode(), QStringLiteral("Stereo      "));
    EXPECT_EQ(m_record.Emphasis(), QStringLiteral("Reserved"));
}

TEST_F(Mp3FileRecordTest, OtherVersionsAndLayersAreNeverCandidates)
{
    for (const quint8 b2 : {0xF3, 0xF2, 0xE3, 0xFD, 0xFF, 0xF5}) {
        EXPECT_EQ(read(Mp3Bytes::frames(b2, 0x90, 0x64, 417, 4)), QStringLiteral("-2")) << int(b2);
        EXPECT_EQ(m_record.ValidHeader(), QStringLiteral("False"));
        EXPECT_EQ(m_record.MPEGVersion(), QString());
    }
}

TEST_F(Mp3FileRecordTest, UnusableRatesAreSkippedAndTheSearchGoesOn)
{
    // Free-format bit rate, then a reserved sample rate, then a good frame.
    const QByteArray bytes = QByteArray("\xFF\xFB\x00\x64\xFF\xFB\x9C\x64", 8) + cbr128;
    EXPECT_EQ(read(bytes), QString());
    EXPECT_EQ(m_record.ValidHeader(), QStringLiteral("True"));
    EXPECT_EQ(m_record.TotalFrames(), (8 + 3 * 417) / 417);

    // Reserved rate alone: decoding stops at the rate, later fields keep their earlier values.
    Mp3FileRecord fresh;
    fresh.setFullName(Mp3Bytes::write(m_dir.filePath(QStringLiteral("r.mp3")),
                                      Mp3Bytes::frame(0xFB, 0x9C, 0xC3, 500)));
    EXPECT_EQ(fresh.ReadHeader(), QStringLiteral("-2"));
    EXPECT_EQ(fresh.SampleRate(), QStringLiteral("0    "));
    EXPECT_EQ(fresh.Bitrate(), QStringLiteral("128"));
    EXPECT_EQ(fresh.ChannelMode(), QString());
    EXPECT_EQ(fresh.ValidHeader(), QStringLiteral("False"));
}

TEST_F(Mp3FileRecordTest, AHeaderWithoutAFollowingSyncIsDroppedButItsDecodeStays)
{
    // Nothing where the next frame should be: no header, yet the fields show the last decode.
    EXPECT_EQ(read(Mp3Bytes::frame(0xFB, 0x90, 0x64, 2000)), QStringLiteral("-2"));
    EXPECT_EQ(m_record.ValidHeader(), QStringLiteral("True"));
    EXPECT_EQ(m_record.Bitrate(), QStringLiteral("128"));
    EXPECT_EQ(m_record.TotalFrames(), 0);

    // A false sync in front of real frames is passed over.
    static const char junkBytes[] = "ID3\x03\x00junk\xFF\xFB\x50\x44 more junk";
    const QByteArray junk(junkBytes, sizeof junkBytes - 1);
    EXPECT_EQ(read(junk + cbr128), QString());
    EXPECT_EQ(m_record.Bitrate(), QStringLiteral("128"));
}

TEST_F(Mp3FileRecordTest, ACandidateThatFailsToDecodeKeepsTheSyncFlag)
{
    // FF FB FB 90 64: the first candidate (rate index 15) fails, so the next FB is a candidate too
    // and the header is taken from position 2: b2 = FB, b3 = 90, b4 = 64.
    const QByteArray bytes = QByteArray("\xFF\xFB", 2) +
                             Mp3Bytes::frame(0xFB, 0x90, 0x64, 417).mid(1) +
                             Mp3Bytes::frame(0xFB, 0x90, 0x64, 417);
    EXPECT_EQ(read(bytes), QString());
    EXPECT_EQ(m_record.Bitrate(), QStringLiteral("128"));
    EXPECT_EQ(m_record.ValidHeader(), QStringLiteral("True"));
}

TEST_F(Mp3FileRecordTest, AFailedCandidateOnTheLastByteEndsTheSearchAsFound)
{
    EXPECT_EQ(read(QByteArray("\x00\xFF\xFB", 3)), QString());
    EXPECT_EQ(m_record.ValidHeader(), QStringLiteral("False"));
    EXPECT_EQ(m_record.TotalFrames(), 0);
    EXPECT_EQ(read(QByteArray("\x00\xFF\xFB\x00", 4)), QStringLiteral("-2"));
}

TEST_F(Mp3FileRecordTest, OnlyTheFirst50000BytesAreSearched)
{
    EXPECT_EQ(read(QByteArray(50000, '\0') + cbr128), QStringLiteral("-2"));
    EXPECT_EQ(read(QByteArray(49000, '\0') + cbr128), QString());
    // The next-frame check may read past the window.
    EXPECT_EQ(read(QByteArray(49990, '\0') + cbr128), QString());
}

TEST_F(Mp3FileRecordTest, PlayTimeIsRoundedToHundredthsAfterAddingAFiftieth)
{
    EXPECT_EQ(m_record.PlayTime(), QVariant(-1));
    m_record.setFullName(
        Mp3Bytes::sparse(m_dir.filePath(QStringLiteral("4m.mp3")), cbr128, 4000000));
    EXPECT_EQ(m_record.ReadHeader(), QString());
    EXPECT_EQ(m_record.PlayTime(), QVariant(250.05f));
    EXPECT_EQ(m_record.TotalFrames(), 4000000 / 417);
}

TEST_F(Mp3FileRecordTest, HugeFilesKeepTheirPlayTimeAndFrameCount)
{
    const qint64 size = 3LL << 30;
    m_record.setFullName(Mp3Bytes::sparse(m_dir.filePath(QStringLiteral("3g.mp3")), cbr128, size));
    EXPECT_EQ(m_record.ReadHeader(), QString());
    EXPECT_EQ(m_record.PlayTime(), QVariant(201326.64f));
    EXPECT_EQ(m_record.TotalFrames(), size / 417);
}
