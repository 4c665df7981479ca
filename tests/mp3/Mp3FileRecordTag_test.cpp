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

TEST_F(Mp3FileRecordTagTest, ReadsTheTagBlanksTrimmedZeroBytesKept)
{
    m_record.setFullName(QStringLiteral("/music/a b/song.mp3"));
    EXPECT_EQ(m_record.Path() + '|' + m_record.Filename(), "/music/a b/|song.mp3");
    m_record.setFullName(QStringLiteral("song.mp3"));
    EXPECT_EQ(m_record.Path() + '|' + m_record.Filename(), "|song.mp3");

    open(audio + Mp3Bytes::tag("  Song", "Band", 17, ' ', "1999", "LP", " c "));
    EXPECT_TRUE(m_record.TagPresent());
    EXPECT_EQ(texts(), (QStringList{"Song", "Band", "LP", "1999", "c", "Rock"}));
    open(audio + Mp3Bytes::tag("Song", "Band", 255, '\0'));
    EXPECT_EQ(m_record.title(), QStringLiteral("Song") + QString(26, QChar(0)));
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Unknown"));
    // Bytes 125 and 126 are comment text, never a track number; genres past 147 are unknown.
    open(audio +
         Mp3Bytes::tag("", "", 200, ' ', "", "", QByteArray(28, ' ') + QByteArray("\0\x07", 2)));
    EXPECT_EQ(m_record.Comment(), QString(QChar(0)) + QChar(7));
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Unknown"));

    for (const QByteArray &untagged : {audio, QByteArray("TAG", 3) + QByteArray(120, 'x'),
                                       QByteArray(), Mp3Bytes::tag("Song", "", 1).left(127)}) {
        open(untagged);
        EXPECT_FALSE(m_record.TagPresent());
        EXPECT_EQ(texts(), QStringList(6, QString()));
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
    const std::pair<const char *, quint8> cases[] = {
        {"Unknown", 255}, {"Rock", 17}, {"rock", 255},      {"17", 17},
        {"200", 255},     {"", 255},    {"Synth Pop", 147}, {"Christian Gangsta Rap", 255}};
    for (const auto &[genre, stored] : cases) {
        ASSERT_TRUE(m_record.setGenre(QString::fromLatin1(genre)));
        EXPECT_EQ(quint8(bytes().back()), stored) << genre;
    }
    open(audio + Mp3Bytes::tag("", "", 136));
    EXPECT_EQ(m_record.Genre(), QStringLiteral("Christian Gangsta Ra"));
    // The genre names keep their old spellings; the year list ends in an empty entry.
    const QStringList genres = TagLists::GenreList().split(QLatin1Char('|'));
    ASSERT_EQ(genres, TagLists::genreNames());
    ASSERT_EQ(genres.size(), 148);
    EXPECT_EQ(
        QStringList({genres[0], genres[67], genres[117], genres[131], genres[140]}),
        (QStringList{"Blues", "Phychedelic", "power Ballad", "indie", "Comteporary Christian"}));
    const QStringList years = TagLists::YearList().split(QLatin1Char('|'));
    EXPECT_EQ(QStringList({years.first(), years[60], years.last()}),
              (QStringList{"1950", "2010", ""}));
    EXPECT_EQ(years.size(), 62);
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
    // Each text set, then what reads back: "rA" keeps read-only as it is.
    const std::pair<const char *, const char *> steps[] = {
        {"RHSA", "R"}, {"rA", "R"}, {"nOrMaL", "Normal"}, {"rA", "Normal"}};
    for (const auto &[set, read] : steps) {
        m_record.setFileAttributes(QLatin1String(set));
        EXPECT_EQ(m_record.FileAttributes(), QLatin1String(read)) << set;
    }
    open(audio, QStringLiteral(".hidden.mp3"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("H"));
    m_record.setFileAttributes(QStringLiteral("R"));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("RH"));

    m_record.setFullName(m_dir.filePath(QStringLiteral("missing.mp3")));
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("-1"));
    m_record.setFullName(m_dir.path()); // a folder is not a file
    EXPECT_EQ(m_record.FileAttributes(), QStringLiteral("-1"));
}
