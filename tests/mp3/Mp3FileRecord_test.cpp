#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"
#include "TagLists.h"
#include "TagSheet.h"
#include "TestMedia.h"

// The file record. Header half: search, next-frame check, decoding, frame count, play time. Tag
// half: reading, writing and removing the ID3v1 tag, genres, attributes. And the tags editor's
// view of a record (TagSheet): header lines, tag texts, choice texts, the six-field write.
namespace {
// 128 kbit/s, 44100 Hz, joint stereo, original: 417 bytes a frame.
const QByteArray cbr128 = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 3);
const QByteArray &audio = cbr128;
const std::string nothing = "||0|||0|0|||0|0||0|0|False";

QByteArray raw(const char *text, int size) { return QByteArray(text, size); }

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

class Mp3FileRecordTest : public ::testing::Test {
protected:
    // A fresh record on a file made of bytes, read as the windows read it.
    void open(const QByteArray &bytes, const QString &name = "t.mp3")
    {
        m_path = Mp3Bytes::write(m_dir.filePath(name), bytes);
        m_record = Mp3FileRecord();
        m_record.setFullName(m_path);
        EXPECT_EQ(m_record.ReadMP3Info(), QVariant());
    }
    QStringList texts() const
    {
        return {m_record.title(), m_record.artist(),  m_record.album(),
                m_record.Year(),  m_record.Comment(), m_record.Genre()};
    }
    QByteArray bytes() const { return TestMedia::readFile(m_path); }

    QTemporaryDir m_dir;
    QString m_path;
    Mp3FileRecord m_record;
};
} // namespace

TEST_F(Mp3FileRecordTest, FindsAndDecodesTheFirstConfirmedMpeg1Layer3Header)
{
    const std::string cbr = ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|3|True";
    const std::pair<QByteArray, std::string> cases[] = {
        {cbr128, cbr},
        // CRC, 32 kbit/s at 48000 Hz, padding, private bit, mono, copyright, emphasis 3.
        {Mp3Bytes::frames(0xFA, 0x17, 0xCB, 97, 2),
         ":1.0|3|1|32 |48000|1|1|Mono        |00|1|0|CCIT J.1|97|2|True"},
        {Mp3Bytes::frames(0xFB, 0xE8, 0x81, 1440, 2),
         ":1.0|3|0|320|32000|0|0|Dual Channel|00|0|0|50/15 ms|1440|2|True"},
        {Mp3Bytes::frames(0xFB, 0xE8, 0x02, 1440, 2),
         ":1.0|3|0|320|32000|0|0|Stereo      |00|0|0|Reserved|1440|2|True"},
        // Free-format bit rate and reserved sample rate are skipped; the search goes on.
        {raw("\xFF\xFB\x00\x64\xFF\xFB\x9C\x64", 8) + cbr128, cbr},
        // Decoding stops at a reserved rate; the fields after it keep what they held.
        {Mp3Bytes::frame(0xFB, 0x9C, 0xC3, 500), "-2:1.0|3|0|128|0    |0|0|||0|0||0|0|False"},
        // Nothing where the next frame should be: no header, but the fields show the decode.
        {Mp3Bytes::frame(0xFB, 0x90, 0x64, 2000),
         "-2:1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|0|True"},
        // A false sync in front of real frames is passed over.
        {raw("ID3\x03\x00junk\xFF\xFB\x50\x44 more junk", 21) + cbr128, cbr},
        // FF FB FB 90 64: the first candidate fails, the next FB is one too.
        {raw("\xFF\xFB", 2) + cbr128.mid(1, 416) + cbr128.left(417),
         ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|2|True"},
        // A failed candidate on the last byte ends the search as found (past the end: zeros).
        {raw("\x00\xFF\xFB", 3), ":1.0|3|0|NA |44100|0|0|Stereo      |00|0|0|None    |0|0|False"},
        {raw("\x00\xFF\xFB\x00", 4),
         "-2:1.0|3|0|NA |44100|0|0|Stereo      |00|0|0|None    |0|0|False"},
        // Only the first 50000 bytes are searched; the next-frame check may read past them.
        {QByteArray(50000, '\0') + cbr128, "-2:" + nothing},
        {QByteArray(49990, '\0') + cbr128,
         ":1.0|3|0|128|44100|0|0|Joint Stereo|10|0|1|None    |417|122|True"},
    };
    for (const auto &[bytes, expected] : cases)
        EXPECT_EQ(readHeader(Mp3Bytes::write(m_dir.filePath("t.mp3"), bytes)), expected);
    // Other versions and layers are never candidates.
    for (const quint8 b2 : {0xF3, 0xF2, 0xE3, 0xFD, 0xFF, 0xF5})
        EXPECT_EQ(readHeader(Mp3Bytes::write(m_dir.filePath("t.mp3"),
                                             Mp3Bytes::frames(b2, 0x90, 0x64, 417, 4))),
                  "-2:" + nothing);
}

TEST_F(Mp3FileRecordTest, PlayTimeIsRoundedToHundredthsAfterAddingAFiftieth)
{
    EXPECT_EQ(m_record.PlayTime(), QVariant(-1));
    // Sizes past 256 MiB and 2 GiB keep their play time and frame count.
    const std::pair<qint64, float> cases[] = {{4000000, 250.05f}, {3LL << 30, 201326.64f}};
    for (const auto &[size, seconds] : cases) {
        m_record.setFullName(Mp3Bytes::sparse(m_dir.filePath("t.mp3"), cbr128, size));
        EXPECT_EQ(m_record.ReadHeader(), QString());
        EXPECT_EQ(m_record.PlayTime(), QVariant(seconds));
        EXPECT_EQ(m_record.TotalFrames(), size / 417);
    }
}

TEST_F(Mp3FileRecordTest, ReadsTheTagBlanksTrimmedZeroBytesKept)
{
    open(audio + Mp3Bytes::tag("  Song", "Band", 17, ' ', "1999", "LP", " c "));
    EXPECT_TRUE(m_record.TagPresent());
    EXPECT_EQ(texts(), (QStringList{"Song", "Band", "LP", "1999", "c", "Rock"}));
    open(audio + Mp3Bytes::tag("Song", "Band", 255, '\0'));
    EXPECT_EQ(m_record.title(), "Song" + QString(26, QChar(0)));
    EXPECT_EQ(m_record.Genre(), "Unknown");
    // Bytes 125 and 126 are comment text, never a track number; genres past 147 are unknown.
    open(audio +
         Mp3Bytes::tag("", "", 200, ' ', "", "", QByteArray(28, ' ') + QByteArray("\0\x07", 2)));
    EXPECT_EQ(m_record.Comment(), QString(QChar(0)) + QChar(7));
    EXPECT_EQ(m_record.Genre(), "Unknown");

    for (const QByteArray &untagged : {audio, QByteArray("TAG", 3) + QByteArray(120, 'x'),
                                       QByteArray(), Mp3Bytes::tag("Song", "", 1).left(127)}) {
        open(untagged);
        EXPECT_FALSE(m_record.TagPresent());
        EXPECT_EQ(texts(), QStringList(6, QString()));
    }
}

TEST_F(Mp3FileRecordTest, TagTextsAreWindows1252OnDisk)
{
    open(audio + Mp3Bytes::tag("Caf\xE9 \x80", "\x81\x9F", 0));
    EXPECT_EQ(m_record.title(), QStringLiteral("Café €"));
    EXPECT_EQ(m_record.artist(), QStringLiteral("\u0081Ÿ"));
    ASSERT_TRUE(m_record.setAlbum(QStringLiteral("Ωmega 🎵")));
    EXPECT_EQ(bytes().right(128), Mp3Bytes::tag("Caf\xE9 \x80", "\x81\x9F", 0, ' ', "", "?mega ?"));
}

TEST_F(Mp3FileRecordTest, GenresByNameNumberOrNeither)
{
    open(audio);
    const std::pair<const char *, quint8> cases[] = {
        {"Unknown", 255}, {"Rock", 17}, {"rock", 255},      {"17", 17},
        {"200", 255},     {"", 255},    {"Synth Pop", 147}, {"Christian Gangsta Rap", 255}};
    for (const auto &[genre, stored] : cases) {
        ASSERT_TRUE(m_record.setGenre(genre));
        EXPECT_EQ(quint8(bytes().back()), stored) << genre;
    }
    open(audio + Mp3Bytes::tag("", "", 136));
    EXPECT_EQ(m_record.Genre(), "Christian Gangsta Ra");
    // The lists the editor offers: 148 genre names; the years 1950 to 2010, then an empty entry.
    EXPECT_EQ(TagLists::genreNames().size(), 148);
    EXPECT_EQ(TagLists::YearList().split('|').size(), 62);
    EXPECT_TRUE(TagLists::YearList().startsWith("1950|1951|") &&
                TagLists::YearList().endsWith("|2010|"));
}

TEST_F(Mp3FileRecordTest, RemoveTagCutsItAndReadOnlyFilesStayReadOnly)
{
    open(audio + Mp3Bytes::tag("Song", "Band", 17));
    ASSERT_EQ(::chmod(QFile::encodeName(m_path).constData(), 0444), 0);
    EXPECT_EQ(m_record.RemoveTag(), 1);
    EXPECT_EQ(bytes(), audio);
    EXPECT_TRUE(m_record.TagPresent());
    EXPECT_EQ(m_record.RemoveTag(), 0);
    ASSERT_TRUE(m_record.setYear("2001")); // appended again
    EXPECT_EQ(bytes(), audio + Mp3Bytes::tag("Song", "Band", 17, ' ', "2001"));
    struct stat info {};
    ::stat(QFile::encodeName(m_path).constData(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0444u);

    m_record.setFullName(m_dir.filePath("missing.mp3"));
    EXPECT_EQ(m_record.RemoveTag(), -1);
    EXPECT_FALSE(m_record.setTitle("x"));
    EXPECT_EQ(m_record.ReadMP3Info(), QVariant(-1));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("missing.mp3")));
}

TEST_F(Mp3FileRecordTest, AttributesMapOntoOwnerWritePermissionAndDotNames)
{
    open(audio);
    // Each text set, then what reads back: "rA" keeps read-only as it is.
    const std::pair<const char *, const char *> steps[] = {
        {"", "Normal"}, {"RHSA", "R"}, {"rA", "R"}, {"nOrMaL", "Normal"}, {"rA", "Normal"}};
    for (const auto &[set, read] : steps) {
        if (*set)
            m_record.setFileAttributes(set);
        EXPECT_EQ(m_record.FileAttributes(), read) << set;
    }
    open(audio, ".hidden.mp3");
    EXPECT_EQ(m_record.FileAttributes(), "H");
    m_record.setFileAttributes("R");
    EXPECT_EQ(m_record.FileAttributes(), "RH");
    for (const QString &notAFile : {m_dir.filePath("missing.mp3"), m_dir.path()}) {
        m_record.setFullName(notAFile);
        EXPECT_EQ(m_record.FileAttributes(), "-1");
    }
}

TEST_F(Mp3FileRecordTest, TagSheetShowsTheHeaderLines)
{
    open(cbr128.left(417).repeated(300)); // 125100 bytes: 7.86 s
    EXPECT_EQ(TagSheet::infoLines(m_record),
              (QStringList{"Version: 1.0", "Layer: 3", "Bit Rate : 128  Kb/s",
                           "Sample Rate: 44100  Hz", "Channel Mode: Joint Stereo", "Copyright: NO",
                           "Original: YES", "Play Time: 7.86", "Valid Header: YES"}));
    open(Mp3Bytes::frames(0xFB, 0x00, 0x64, 417, 30)); // bit-rate index 0: never valid
    EXPECT_EQ(TagSheet::infoLines(m_record).mid(7),
              (QStringList{"Play Time: -1", "Valid Header: NO"}));
}

TEST_F(Mp3FileRecordTest, TagSheetWritesSixFieldsTheFirstAppendingCutToTheirWidths)
{
    open(audio);
    EXPECT_TRUE(TagSheet::write(m_record,
                                {"So What", "Miles", "Kind of Blue", "1959", "take 1", "Trance"}));
    EXPECT_EQ(bytes(),
              audio + Mp3Bytes::tag("So What", "Miles", 31, ' ', "1959", "Kind of Blue", "take 1"));
    // Too long for their fields: cut; a genre the table does not know: 255, read as "Unknown".
    EXPECT_TRUE(TagSheet::write(m_record, {QString(35, 'x'), "", "", "19999", "", "Polka Dub"}));
    EXPECT_EQ(bytes(), audio + Mp3Bytes::tag(QByteArray(30, 'x'), "", 255, ' ', "1999"));
    QFile::remove(m_path);
    EXPECT_FALSE(TagSheet::write(m_record, {"Song", "", "", "", "", ""}));
    EXPECT_FALSE(QFile::exists(m_path));
}

TEST(TagSheetTest, ChoiceTextMatchesExactlyOrSaysUnknown)
{
    const QStringList genres = TagLists::genreNames();
    const QStringList years = TagLists::YearList().split('|');
    const std::tuple<const QStringList &, const char *, const char *> cases[] = {
        {genres, "Rock", "Rock"}, {genres, "rock", "Unknown"}, {genres, "Unknown", "Unknown"},
        {genres, "", "Pop"},      {years, "1949", "Unknown"},  {years, "2010", "2010"}};
    for (const auto &[entries, value, shown] : cases)
        EXPECT_EQ(TagSheet::choiceText(entries, value, "Pop"), shown) << value;
}
