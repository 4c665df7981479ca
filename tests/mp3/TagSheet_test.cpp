#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "mp3/Mp3Bytes.h"
#include "mp3/TagLists.h"
#include "mp3/TagSheet.h"
#include "mp3/clsMP3.h"
#include "support/TestMedia.h"

// The tags editor's view of a record: header lines, tag texts, choice texts, the six-field write.
namespace {
// 300 frames of 128 kbit/s, 44100 Hz, joint stereo, original: 125100 bytes.
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300);

clsMP3 readRecord(const QString &path)
{
    clsMP3 record;
    record.setFullName(path);
    record.ReadMP3Info();
    return record;
}
} // namespace

TEST(TagSheetTest, HeaderLinesOfAValidAndOfAnInvalidFile)
{
    QTemporaryDir dir;
    const clsMP3 valid = readRecord(Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), audio));
    EXPECT_EQ(TagSheet::infoLines(valid),
              (QStringList{"Version: 1.0", "Layer: 3", "Bit Rate : 128  Kb/s",
                           "Sample Rate: 44100  Hz", "Channel Mode: Joint Stereo", "Copyright: NO",
                           "Original: YES", "Play Time: 7.86", "Valid Header: YES"}));
    EXPECT_EQ(TagSheet::fields(valid), QStringList(6, QString()));

    // Bit-rate index 0 never makes a valid header; a fresh record keeps its empty fields.
    const clsMP3 invalid = readRecord(
        Mp3Bytes::write(dir.filePath(QStringLiteral("b.mp3")), Mp3Bytes::frames(0xFB, 0x00, 0x64, 417, 30)));
    const QStringList lines = TagSheet::infoLines(invalid);
    EXPECT_EQ(lines.at(7), QStringLiteral("Play Time: -1"));
    EXPECT_EQ(lines.at(8), QStringLiteral("Valid Header: NO"));
}

TEST(TagSheetTest, WritesAllSixFieldsAndReadsThemBack)
{
    QTemporaryDir dir;
    const QString path = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), audio);
    clsMP3 record = readRecord(path);
    const QStringList fields = {"Song", "Band", "Album", "1999", "Fine", "Trance"};
    EXPECT_TRUE(TagSheet::write(record, fields));
    const QByteArray bytes = TestMedia::readFile(path);
    ASSERT_EQ(bytes.size(), audio.size() + 128); // appended once, then overwritten
    EXPECT_EQ(quint8(bytes.back()), 31);
    EXPECT_EQ(TagSheet::fields(readRecord(path)), fields);

    // Too long for their fields: cut; a genre the table does not know: 255, read as "Unknown".
    EXPECT_TRUE(TagSheet::write(record, {QString(35, 'x'), "", "", "19999", "", "Polka Dub"}));
    const QStringList back = TagSheet::fields(readRecord(path));
    EXPECT_EQ(back.at(0), QString(30, 'x'));
    EXPECT_EQ(back.at(3), QStringLiteral("1999"));
    EXPECT_EQ(back.at(5), QStringLiteral("Unknown"));
    EXPECT_EQ(quint8(TestMedia::readFile(path).back()), 255);

    QFile::remove(path);
    EXPECT_FALSE(TagSheet::write(record, fields));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(TagSheetTest, ChoiceTextMatchesExactlyOrSaysUnknown)
{
    const QStringList genres = TagLists::genreNames();
    const QStringList years = TagLists::YearList().split(QLatin1Char('|'));
    EXPECT_EQ(TagSheet::choiceText(genres, QStringLiteral("Rock"), QStringLiteral("Pop")),
              QStringLiteral("Rock"));
    EXPECT_EQ(TagSheet::choiceText(genres, QStringLiteral("rock"), QStringLiteral("Pop")),
              QStringLiteral("Unknown"));
    EXPECT_EQ(TagSheet::choiceText(genres, QStringLiteral("Unknown"), QStringLiteral("Pop")),
              QStringLiteral("Unknown"));
    EXPECT_EQ(TagSheet::choiceText(genres, QString(), QStringLiteral("Pop")), QStringLiteral("Pop"));
    EXPECT_EQ(TagSheet::choiceText(years, QStringLiteral("1949"), QStringLiteral("1980")),
              QStringLiteral("Unknown"));
    EXPECT_EQ(TagSheet::choiceText(years, QStringLiteral("2010"), QStringLiteral("1980")),
              QStringLiteral("2010"));
}
