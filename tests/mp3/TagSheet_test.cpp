#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"
#include "TagLists.h"
#include "TagSheet.h"
#include "TestMedia.h"

// The tags editor's view of a record: header lines, tag texts, choice texts, the six-field write.
namespace {
// 300 frames of 128 kbit/s, 44100 Hz, joint stereo, original: 125100 bytes.
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300);

Mp3FileRecord readRecord(const QString &path)
{
    Mp3FileRecord record;
    record.setFullName(path);
    record.ReadMP3Info();
    return record;
}
} // namespace

// A valid file's lines and the six-field write of real files: TagEditorWindow_test.
TEST(TagSheetTest, InvalidHeaderHasNoPlayTime)
{
    QTemporaryDir dir;
    // Bit-rate index 0 never makes a valid header.
    const Mp3FileRecord invalid = readRecord(Mp3Bytes::write(
        dir.filePath(QStringLiteral("b.mp3")), Mp3Bytes::frames(0xFB, 0x00, 0x64, 417, 30)));
    const QStringList lines = TagSheet::infoLines(invalid);
    EXPECT_EQ(lines.at(7), QStringLiteral("Play Time: -1"));
    EXPECT_EQ(lines.at(8), QStringLiteral("Valid Header: NO"));
}

TEST(TagSheetTest, WriteCutsLongTextsAndFailsForAMissingFile)
{
    QTemporaryDir dir;
    const QString path = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")), audio);
    Mp3FileRecord record = readRecord(path);
    // Too long for their fields: cut; a genre the table does not know: 255, read as "Unknown".
    EXPECT_TRUE(TagSheet::write(record, {QString(35, 'x'), "", "", "19999", "", "Polka Dub"}));
    EXPECT_EQ(TagSheet::fields(readRecord(path)),
              (QStringList{QString(30, 'x'), "", "", "1999", "", "Unknown"}));
    EXPECT_EQ(quint8(TestMedia::readFile(path).back()), 255);

    QFile::remove(path);
    EXPECT_FALSE(TagSheet::write(record, {"Song", "", "", "", "", ""}));
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
    EXPECT_EQ(TagSheet::choiceText(genres, QString(), QStringLiteral("Pop")),
              QStringLiteral("Pop"));
    EXPECT_EQ(TagSheet::choiceText(years, QStringLiteral("1949"), QStringLiteral("1980")),
              QStringLiteral("Unknown"));
    EXPECT_EQ(TagSheet::choiceText(years, QStringLiteral("2010"), QStringLiteral("1980")),
              QStringLiteral("2010"));
}
