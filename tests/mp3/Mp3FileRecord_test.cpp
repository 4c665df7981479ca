#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"

// The header half of the file record: search, next-frame check, decoding, frame count, play time.
namespace {
// 128 kbit/s, 44100 Hz, joint stereo, original: 417 bytes a frame.
const QByteArray cbr128 = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 3);
const std::string nothing = "||0|||0|0|||0|0||0|0|False";

QByteArray bytes(const char *text, int size) { return QByteArray(text, size); }

// ReadHeader's text, then every header field: version|layer|CRC|bit rate|sample rate|padding|
// private|channel mode|mode extension|copyright|original|emphasis|frame length|frames|valid.
std::string readHeader(const QString &path)
{
    Mp3FileRecord record;
    record.setFullName(path);
    const QString found = record.ReadHeader();
    return (QStringList{found + QLatin1Char(':') + record.MPEGVersion(), record.Layer(),
                        QString::number(record.CRCPresent()), record.Bitrate(), record.SampleRate(),
                        record.Padding(), QString::number(record.PrivateBit()),
                        record.ChannelMode(), record.ModeExtension(),
                        QString::number(record.Copyright()), QString::number(record.Original()),
                        record.Emphasis(), QString::number(record.FrameLength()),
                        QString::number(record.TotalFrames()), record.ValidHeader()})
        .join(QLatin1Char('|'))
        .toStdString();
}
} // namespace

TEST(Mp3FileRecordTest, FindsAndDecodesTheFirstConfirmedMpeg1Layer3Header)
{
    const struct {
        QByteArray bytes;
        std::string expected;
    } cases[] = {
        {cbr128, ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|3|True"},
        // CRC, 32 kbit/s at 48000 Hz, padding, private bit, mono, copyright, emphasis 3.
        {Mp3Bytes::frames(0xFA, 0x17, 0xCB, 97, 2),
         ":1.0|3|1|32 |48000|1|1|Mono        |00|1|0|CCIT J.1|97|2|True"},
        {Mp3Bytes::frames(0xFB, 0xE8, 0x81, 1440, 2),
         ":1.0|3|0|320|32000|0|0|Dual Channel|00|0|0|50/15 ms|1440|2|True"},
        {Mp3Bytes::frames(0xFB, 0xE8, 0x02, 1440, 2),
         ":1.0|3|0|320|32000|0|0|Stereo      |00|0|0|Reserved|1440|2|True"},
        // Other versions and layers are never candidates.
        {Mp3Bytes::frames(0xF3, 0x90, 0x64, 417, 4), "-2:" + nothing},
        {Mp3Bytes::frames(0xF2, 0x90, 0x64, 417, 4), "-2:" + nothing},
        {Mp3Bytes::frames(0xE3, 0x90, 0x64, 417, 4), "-2:" + nothing},
        {Mp3Bytes::frames(0xFD, 0x90, 0x64, 417, 4), "-2:" + nothing},
        {Mp3Bytes::frames(0xFF, 0x90, 0x64, 417, 4), "-2:" + nothing},
        {Mp3Bytes::frames(0xF5, 0x90, 0x64, 417, 4), "-2:" + nothing},
        // Free-format bit rate and reserved sample rate are skipped; the search goes on.
        {bytes("\xFF\xFB\x00\x64\xFF\xFB\x9C\x64", 8) + cbr128,
         ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|3|True"},
        // Decoding stops at a reserved rate; the fields after it keep what they held.
        {Mp3Bytes::frame(0xFB, 0x9C, 0xC3, 500), "-2:1.0|3|0|128|0    |0|0|||0|0||0|0|False"},
        // Nothing where the next frame should be: no header, but the fields show the decode.
        {Mp3Bytes::frame(0xFB, 0x90, 0x64, 2000),
         "-2:1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|0|True"},
        // A false sync in front of real frames is passed over.
        {bytes("ID3\x03\x00junk\xFF\xFB\x50\x44 more junk", 21) + cbr128,
         ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|3|True"},
        // FF FB FB 90 64: the first candidate fails, the next FB is one too.
        {bytes("\xFF\xFB", 2) + Mp3Bytes::frame(0xFB, 0x90, 0x64, 417).mid(1) +
             Mp3Bytes::frame(0xFB, 0x90, 0x64, 417),
         ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|2|True"},
        // A failed candidate on the last byte ends the search as found.
        // (Bytes past the end read as zeros.)
        {bytes("\x00\xFF\xFB", 3), ":1.0|3|0|NA |44100|0|0|Stereo      |00|0|0|None    |0|0|False"},
        {bytes("\x00\xFF\xFB\x00", 4),
         "-2:1.0|3|0|NA |44100|0|0|Stereo      |00|0|0|None    |0|0|False"},
        // Only the first 50000 bytes are searched; the next-frame check may read past them.
        {QByteArray(50000, '\0') + cbr128, "-2:" + nothing},
        {QByteArray(49990, '\0') + cbr128,
         ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|122|True"},
    };
    QTemporaryDir dir;
    for (const auto &c : cases)
        EXPECT_EQ(readHeader(Mp3Bytes::write(dir.filePath(QStringLiteral("t.mp3")), c.bytes)),
                  c.expected);
}

TEST(Mp3FileRecordTest, PlayTimeIsRoundedToHundredthsAfterAddingAFiftieth)
{
    QTemporaryDir dir;
    Mp3FileRecord record;
    EXPECT_EQ(record.PlayTime(), QVariant(-1));
    // Sizes past 256 MiB and 2 GiB keep their play time and frame count.
    const std::pair<qint64, float> cases[] = {{4000000, 250.05f}, {3LL << 30, 201326.64f}};
    for (const auto &[size, seconds] : cases) {
        record.setFullName(Mp3Bytes::sparse(dir.filePath(QStringLiteral("t.mp3")), cbr128, size));
        EXPECT_EQ(record.ReadHeader(), QString());
        EXPECT_EQ(record.PlayTime(), QVariant(seconds));
        EXPECT_EQ(record.TotalFrames(), size / 417);
    }
}
