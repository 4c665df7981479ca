#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "Mp3FileRecord.h"
#include "RenameChoices.h"
#include "ScriptedMessageBox.h"
#include "TagRenamer.h"
#include "TestMedia.h"

// Renaming after tags: the patterns the renamer's choices make, Mp3FileRecord::RenameFile with
// its placeholders, cleaning and refusals, and runs over several files with what each reports.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300); // 7.82 s

class TagRenamerTest : public ::testing::Test {
protected:
    QString file(const QString &name, const QByteArray &tag)
    {
        return Mp3Bytes::write(m_dir.filePath(name), audio + tag);
    }
    QStringList files() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    // Renames through a fresh record; gives the pattern as RenameFile left it, its result and
    // notices.
    QString rename(const QString &path, const QString &pattern, bool attachTime = false)
    {
        Mp3FileRecord record;
        record.setFullName(path);
        record.ReadMP3Info();
        QString name = pattern;
        m_notices.clear();
        m_result = record.RenameFile(name, attachTime, m_notices);
        return name;
    }
    // Every result of a run over `names`, as its log line after its notices.
    QStringList renameAll(TagRenamer &renamer, const QStringList &names, const QString &pattern,
                          bool attachTime = false)
    {
        QStringList lines;
        QObject::connect(&renamer, &TagRenamer::renamed, [&](const TagRenamer::Result &result) {
            lines << result.notices << result.logLine();
        });
        renamer.renameAll(m_dir.path(), names, pattern, attachTime);
        return lines;
    }

    QTemporaryDir m_dir;
    ScriptedMessageBox m_box; // nothing may be shown from here
    QVariant m_result;
    QStringList m_notices;
};
} // namespace

TEST(RenameChoicesTest, EveryArrangementWithEverySeparator)
{
    const QStringList dashed = {"%n-%a-%t", "%a-%n-%t", "%t-%a-%n", "%t-%n-%a", "%n-%a", "%a-%n"};
    ASSERT_EQ(RenameChoices::arrangements().size(), dashed.size());
    ASSERT_EQ(RenameChoices::separators().size(), 3);
    for (int arrangement = 0; arrangement < dashed.size(); ++arrangement)
        for (const auto &[separator, text] : {std::pair{0, '-'}, {1, ' '}, {2, '_'}})
            EXPECT_EQ(RenameChoices::pattern(arrangement, separator),
                      QString(dashed.at(arrangement)).replace('-', text));
    for (const auto &[arrangement, separator] : {std::pair{-1, 0}, {0, -1}, {6, 0}, {0, 3}})
        EXPECT_TRUE(RenameChoices::pattern(arrangement, separator).isEmpty());
}

TEST_F(TagRenamerTest, PlaceholdersAreReplacedInOrderAndTheNameCleaned)
{
    const QString old = file(QStringLiteral("old.mp3"), Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(rename(old, QStringLiteral("%n:%a")), QStringLiteral("Song.Band.mp3"));
    EXPECT_EQ(m_result, QVariant(1));
    EXPECT_EQ(files(), QStringList{"Song.Band.mp3"});

    // %a and %i are both the artist, but %i comes after %t: an artist "%t" stays as it is there.
    const QString odd = file(QStringLiteral("odd.mp3"),
                             Mp3Bytes::tag("a*b?c/d\\e\"f<g>h|i\nj", "%t", 31, ' ', "1999", "Al"));
    EXPECT_EQ(rename(odd, QStringLiteral("%n %a %i %y %g %b %f %x %l %v %s %m")),
              QStringLiteral("abcde'f[g]hi j Al %t 1999 Trance 128 44100 Joint Stereo 3 1.0 8 "
                             "0.08.mp3"));
    EXPECT_TRUE(m_notices.isEmpty());
    const QString year = file(QStringLiteral("y.mp3"), Mp3Bytes::tag("", "", 1, ' ', "1999"));
    EXPECT_EQ(rename(year, QStringLiteral("%y.mp3"), true), QStringLiteral("1999.mp3 (0.08).mp3"));
}

TEST_F(TagRenamerTest, ATrailingSeparatorIsDroppedWithTwoNoticesAndNothingShown)
{
    const QString old = file(QStringLiteral("old.mp3"), Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(rename(old, QStringLiteral("  %n-  ")), QStringLiteral("Song.mp3"));
    EXPECT_EQ(m_notices, (QStringList{"Song-", "Song"}));
    EXPECT_TRUE(m_box.shown.isEmpty());
}

TEST_F(TagRenamerTest, RefusesWithoutATagAndNeverOverwrites)
{
    const QString untagged = file(QStringLiteral("untagged.mp3"), QByteArray());
    EXPECT_EQ(rename(untagged, QStringLiteral("%n-")), QStringLiteral("%n-"));
    EXPECT_FALSE(m_result.isValid());
    EXPECT_TRUE(m_notices.isEmpty());

    Mp3Bytes::write(m_dir.filePath(QStringLiteral("Song.mp3")), "keep me");
    const QString old = file(QStringLiteral("old.mp3"), Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(rename(old, QStringLiteral("%n")), QStringLiteral("Song.mp3"));
    EXPECT_EQ(m_result, QVariant(-1));
    EXPECT_EQ(TestMedia::readFile(m_dir.filePath(QStringLiteral("Song.mp3"))), "keep me");
    EXPECT_EQ(files(), (QStringList{"Song.mp3", "old.mp3", "untagged.mp3"}));
}

TEST_F(TagRenamerTest, ARunReportsEachFileInOrder)
{
    const QString a = file(QStringLiteral("a.mp3"), Mp3Bytes::tag("Song", "Band", 17));
    const QString b = file(QStringLiteral("b.mp3"), QByteArray());
    const QString c = file(QStringLiteral("c.mp3"), Mp3Bytes::tag("Song", "", 17));
    TagRenamer renamer;
    EXPECT_EQ(renameAll(renamer, {"a.mp3", "b.mp3", "gone.mp3", "c.mp3"}, "%n-%a", true),
              (QStringList{a + " renamed to " + m_dir.filePath("Song-Band (0.08).mp3"),
                           b + " not renamed, no ID3v1 tag",
                           m_dir.filePath("gone.mp3") + " not renamed, no such file", "Song-",
                           "Song", c + " renamed to " + m_dir.filePath("Song (0.08).mp3")}));
    EXPECT_EQ(files(), (QStringList{"Song (0.08).mp3", "Song-Band (0.08).mp3", "b.mp3"}));
}

TEST_F(TagRenamerTest, RefusesWithoutPatternOrNameOrRoom)
{
    const QString a = file(QStringLiteral("a.mp3"), Mp3Bytes::tag("", "", 17));
    const QString b = file(QStringLiteral("b.mp3"), Mp3Bytes::tag("Song", "", 17));
    QDir(m_dir.path()).mkdir(QStringLiteral("Song.mp3"));
    EXPECT_EQ(TagRenamer::renameOne(a, QStringLiteral("  "), false).outcome,
              TagRenamer::Outcome::NoPattern);
    // Blank fields would name it ".mp3", which hides it.
    EXPECT_EQ(TagRenamer::renameOne(a, QStringLiteral("%n %a"), false).logLine(),
              a + " not renamed, its tag gives no name");
    EXPECT_EQ(TagRenamer::renameOne(b, QStringLiteral("%n"), false).logLine(),
              b + " not renamed, " + m_dir.filePath("Song.mp3") + " exists");
    EXPECT_EQ(files(), (QStringList{"a.mp3", "b.mp3"}));
}

TEST_F(TagRenamerTest, CancelStopsARunBeforeTheNextFile)
{
    file(QStringLiteral("a.mp3"), Mp3Bytes::tag("One", "", 17));
    file(QStringLiteral("b.mp3"), Mp3Bytes::tag("Two", "", 17));
    TagRenamer renamer;
    QObject::connect(&renamer, &TagRenamer::renamed, [&] { renamer.cancel(); });
    EXPECT_EQ(renameAll(renamer, {"a.mp3", "b.mp3"}, "%n").size(), 1);
    EXPECT_EQ(files(), (QStringList{"One.mp3", "b.mp3"}));
}
