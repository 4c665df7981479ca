#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"
#include "RenamePattern.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

// Mp3FileRecord::RenameFile with its patterns, cleaning and refusals.
namespace {
// Ten 128 kbit/s frames and a tag: 4298 bytes, PlayTime 0.31 s.
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 10);

class RenamePatternTest : public ::testing::Test {
protected:
    void SetUp() override { RenamePattern::AttachTime = 0; }
    void TearDown() override { RenamePattern::AttachTime = 0; }

    Mp3FileRecord &open(const QByteArray &tag, const QString &name = QStringLiteral("old.mp3"))
    {
        m_record = Mp3FileRecord();
        m_record.setFullName(Mp3Bytes::write(m_dir.filePath(name), audio + tag));
        m_record.ReadMP3Info();
        return m_record;
    }
    // Renames and gives the pattern as RenameFile left it; `result` receives the result.
    QString rename(const QString &pattern, QVariant *result = nullptr)
    {
        QString name = pattern;
        const QVariant r = m_record.RenameFile(name);
        if (result)
            *result = r;
        return name;
    }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

    QTemporaryDir m_dir;
    Mp3FileRecord m_record;
    ScriptedMessageBox m_box;
};
} // namespace

TEST_F(RenamePatternTest, RenamesAfterTitleAndArtist)
{
    open(Mp3Bytes::tag("Song", "Band", 17));
    QVariant result;
    EXPECT_EQ(rename(QStringLiteral("%n-%a"), &result), QStringLiteral("Song-Band.mp3"));
    EXPECT_EQ(result, QVariant(1));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Song-Band.mp3")});
    EXPECT_EQ(m_record.Filename(), QStringLiteral("Song-Band.mp3"));
    EXPECT_EQ(m_record.FullName(), m_dir.filePath(QStringLiteral("Song-Band.mp3")));
    EXPECT_TRUE(m_box.shown.isEmpty());

    EXPECT_EQ(rename(QStringLiteral("%n:%a")), QStringLiteral("Song.Band.mp3"));
    EXPECT_EQ(files(), QStringList{QStringLiteral("Song.Band.mp3")});
}

TEST_F(RenamePatternTest, ATrailingSeparatorIsDroppedWithTwoMessages)
{
    open(Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(rename(QStringLiteral("  %n-  ")), QStringLiteral("Song.mp3"));
    ASSERT_EQ(m_box.shown.size(), 2);
    EXPECT_EQ(m_box.shown[0].prompt, QStringLiteral("Song-"));
    EXPECT_EQ(m_box.shown[1].prompt, QStringLiteral("Song"));
    EXPECT_EQ(m_box.shown[0].buttons, MessageBox::OkOnly);
}

TEST_F(RenamePatternTest, PlaceholdersAreReplacedInOrderAndTheNameCleaned)
{
    open(Mp3Bytes::tag("a*b?c/d\\e\"f<g>h|i\nj", "%t", 31, ' ', "1999", "Album"));
    // %a and %i are both the artist, but %i comes after %t: an artist "%t" stays as it is there.
    EXPECT_EQ(rename(QStringLiteral("%n %a %i %y %g %b %f %x %l %v %s %m")),
              QStringLiteral(
                  "abcde'f[g]hi j Album %t 1999 Trance 128 44100 Joint Stereo 3 1.0 0 0.00.mp3"));

    RenamePattern::AttachTime = 1;
    EXPECT_EQ(rename(QStringLiteral("%y.mp3")), QStringLiteral("1999.mp3 (0.00).mp3"));
}

TEST_F(RenamePatternTest, RefusesWithoutATagAndNeverOverwrites)
{
    open(QByteArray());
    QVariant result = 7;
    EXPECT_EQ(rename(QStringLiteral("%n"), &result), QStringLiteral("%n"));
    EXPECT_FALSE(result.isValid());

    Mp3Bytes::write(m_dir.filePath(QStringLiteral("Song.mp3")), "keep me");
    open(Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(rename(QStringLiteral("%n"), &result), QStringLiteral("Song.mp3"));
    EXPECT_EQ(result, QVariant(-1));
    EXPECT_EQ(m_record.Filename(), QStringLiteral("old.mp3"));
    EXPECT_EQ(TestMedia::readFile(m_dir.filePath(QStringLiteral("Song.mp3"))),
              QByteArray("keep me"));
    EXPECT_TRUE(files().contains(QStringLiteral("old.mp3")));
}
