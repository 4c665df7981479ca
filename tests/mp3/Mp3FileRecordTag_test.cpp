#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"
#include "TagLists.h"
#include "TestMedia.h"

// The tag half of the file record: reading, writing and removing the ID3v1 tag, genres,
// attributes.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 3);

mode_t modeOf(const QString &path)
{
    struct stat info {};
    ::stat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

class Mp3FileRecordTagTest : public ::testing::Test {
protected:
    // A fresh record on a file made of bytes, read as the windows read it.
    Mp3FileRecord &open(const QByteArray &bytes, const QString &name = QStringLiteral("t.mp3"))
    {
        m_path = Mp3Bytes::write(m_dir.filePath(name), bytes);
        m_record = Mp3FileRecord();
        m_record.setFullName(m_path);
        EXPECT_EQ(m_record.ReadMP3Info(), QVariant());
        return m_record;
    }
    QByteArray bytes() const { return TestMedia::readFile(m_path); }

    QTemporaryDir m_dir;
    QString m_path;
    Mp3FileRecord m_record;
};
} // namespace

TEST_F(Mp3FileRecordTagTest, FullNameSplitsAtTheLastSlash)
{
    m_record.setFullName(QStringLiteral("/music/a b/song.mp3"));
    EXPECT_EQ(m_record.Path(), QStringLiteral("/music/a b/"));
    EXPECT_EQ(m_record.Filename(), QStringLiteral("song.mp3"));
    m_record.setFullName(QStringLiteral("song.mp3"));
    EXPECT_EQ(m_record.Path(), QString());
    EXPECT_EQ(m_record.Filename(), QStringLiteral("song.mp3"));
}

TEST_F(Mp3FileRecordTagTest, BlanksAreTrimmedAndZeroBytesKept)
{
    open(audio + Mp3Bytes::tag("  Song", "Band", 17, ' ', "1999"));
    EXPECT_TRUE(m_record.TagPresent());
    EXPECT_EQ(m_record.title(), QStringLiteral("Song"));
    EXPECT_EQ(m_record.artist(), QStringLiteral("Band"));
    EXPECT_EQ(m_record.Year(), QStringLiteral("1999"));
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Rock"));

    open(audio + Mp3Bytes::tag("Song", "Band", 255, '\0'));
    EXPECT_EQ(m_record.title(), QStringLiteral("Song") + QString(26, QChar(0)));
    EXPECT_EQ(m_record.album(), QString(30, QChar(0)));
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Unknown"));
    // Bytes 125 and 126 are comment text, never a track number.
    open(audio +
         Mp3Bytes::tag("", "", 200, ' ', "", "", QByteArray(28, ' ') + QByteArray("\0\x07", 2)));
    EXPECT_EQ(m_record.Comment(), QString(QChar(0)) + QChar(7)); // leading blanks trimmed
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Unknown"));
}

TEST_F(Mp3FileRecordTagTest, NoTagMeansEmptyFields)
{
    for (const QByteArray &bytes : {audio, QByteArray("TAG", 3) + QByteArray(120, 'x'),
                                    QByteArray(), Mp3Bytes::tag("Song", "", 1).left(127)}) {
        open(bytes);
        EXPECT_FALSE(m_record.TagPresent());
        EXPECT_EQ(m_record.title(), QString());
        EXPECT_EQ(m_record.Genre(), QString());
    }
}

TEST_F(Mp3FileRecordTagTest, TheFirstWriteAppendsAndTheNextOverwrite)
{
    open(audio);
    ASSERT_TRUE(m_record.setTitle(QStringLiteral("A title of thirty-five characters!!")));
    EXPECT_EQ(bytes().size(), audio.size() + 128);
    ASSERT_TRUE(m_record.setArtist(QStringLiteral("Band")));
    ASSERT_TRUE(m_record.setGenre(QStringLiteral("Trance")));
    EXPECT_EQ(bytes(), audio + Mp3Bytes::tag("A title of thirty-five characte", "Band", 31));
    EXPECT_EQ(m_record.title(), QStringLiteral("A title of thirty-five charact"));
    EXPECT_TRUE(m_record.TagPresent());
}

TEST_F(Mp3FileRecordTagTest, GenresByNameNumberOrNeither)
{
    open(audio);
    const struct {
        const char *genre;
        quint8 stored;
    } cases[] = {
        {"Unknown", 255}, {"Rock", 17}, {"rock", 255},      {"17", 17},
        {"200", 255},     {"", 255},    {"Synth Pop", 147}, {"Christian Gangsta Rap", 255}};
    for (const auto &c : cases) {
        ASSERT_TRUE(m_record.setGenre(QString::fromLatin1(c.genre)));
        EXPECT_EQ(quint8(bytes().back()), c.stored) << c.genre;
    }
    open(audio + Mp3Bytes::tag("", "", 136));
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Christian Gangsta Ra"));
}

TEST_F(Mp3FileRecordTagTest, TextsAreWindows1252OnDisk)
{
    open(audio + Mp3Bytes::tag("Caf\xE9 \x80", "\x81\x9F", 0));
    EXPECT_EQ(m_record.title(), QStringLiteral("Café €"));
    EXPECT_EQ(m_record.artist(), QStringLiteral("\u0081Ÿ"));
    ASSERT_TRUE(m_record.setAlbum(QStringLiteral("Ωmega 🎵")));
    EXPECT_EQ(bytes().right(128), Mp3Bytes::tag("Caf\xE9 \x80", "\x81\x9F", 0, ' ', "", "?mega ?"));
}

TEST_F(Mp3FileRecordTagTest, RemoveTagCutsItAndTheNextWriteAppends)
{
    open(audio + Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(m_record.RemoveTag(), 1);
    EXPECT_EQ(bytes(), audio);
    EXPECT_TRUE(m_record.TagPresent());
    EXPECT_EQ(m_record.RemoveTag(), 0);
    ASSERT_TRUE(m_record.setYear(QStringLiteral("2001")));
    EXPECT_EQ(bytes(), audio + Mp3Bytes::tag("Song", "Band", 17, ' ', "2001"));

    m_record.setFullName(m_dir.filePath(QStringLiteral("missing.mp3")));
    EXPECT_EQ(m_record.RemoveTag(), -1);
    EXPECT_FALSE(m_record.setTitle(QStringLiteral("x")));
    EXPECT_EQ(m_record.ReadMP3Info(), QVariant(-1));
    EXPECT_FALSE(QFile::exists(m_dir.filePath(QStringLiteral("missing.mp3"))));
}

TEST_F(Mp3FileRecordTagTest, ReadOnlyFilesAreWrittenAndStayReadOnly)
{
    open(audio);
    ASSERT_EQ(::chmod(QFile::encodeName(m_path).constData(), 0444), 0);
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("R"));
    ASSERT_TRUE(m_record.setTitle(QStringLiteral("Song")));
    EXPECT_EQ(modeOf(m_path), mode_t(0444));
    EXPECT_EQ(m_record.RemoveTag(), 1);
    EXPECT_EQ(modeOf(m_path), mode_t(0444));
    EXPECT_EQ(bytes(), audio);
}

TEST_F(Mp3FileRecordTagTest, AttributesMapOntoOwnerWritePermissionAndDotNames)
{
    open(audio);
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("Normal"));
    m_record.setFileAttributes(QStringLiteral("RHSA"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("R"));
    m_record.setFileAttributes(QStringLiteral("rA")); // keeps read-only as it is
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("R"));
    m_record.setFileAttributes(QStringLiteral("nOrMaL"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("Normal"));
    m_record.setFileAttributes(QStringLiteral("rA"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("Normal"));

    open(audio, QStringLiteral(".hidden.mp3"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("H"));
    m_record.setFileAttributes(QStringLiteral("R"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("RH"));

    m_record.setFullName(m_dir.filePath(QStringLiteral("missing.mp3")));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("-1"));
    m_record.setFullName(m_dir.path()); // a folder is not a file
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("-1"));
}

TEST(TagListsTest, GenreAndYearLists)
{
    const QStringList genres = TagLists::GenreList().split(QLatin1Char('|'));
    ASSERT_EQ(genres.size(), 148);
    EXPECT_EQ(genres, TagLists::genreNames());
    EXPECT_EQ(genres[0], QStringLiteral("Blues"));
    EXPECT_EQ(genres[67], QStringLiteral("Phychedelic"));
    EXPECT_EQ(genres[117], QStringLiteral("power Ballad"));
    EXPECT_EQ(genres[131], QStringLiteral("indie"));
    EXPECT_EQ(genres[140], QStringLiteral("Comteporary Christian"));
    EXPECT_EQ(genres[147], QStringLiteral("Synth Pop"));
    const QStringList years = TagLists::YearList().split(QLatin1Char('|'));
    ASSERT_EQ(years.size(), 62);
    EXPECT_EQ(years.first(), QStringLiteral("1950"));
    EXPECT_EQ(years[60], QStringLiteral("2010"));
    EXPECT_EQ(years.last(), QString());
}
