#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "RenameChoices.h"
#include "RenamePattern.h"
#include "ScriptedMessageBox.h"
#include "TagRenamer.h"
#include "TestMedia.h"

// Renaming after tags: the patterns the renamer's choices make, runs over several files with
// clashes, refusals, and what each attempt reports.
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

    QTemporaryDir m_dir;
    ScriptedMessageBox m_box;
};
} // namespace

TEST(RenameChoicesTest, EveryArrangementWithEverySeparator)
{
    ASSERT_EQ(RenameChoices::arrangements().size(), 6);
    ASSERT_EQ(RenameChoices::separators(),
              (QStringList{"Dash { - }", "Space {  }", "Underscore { _ }"}));
    const QStringList dashed = {"%n-%a-%t", "%a-%n-%t", "%t-%a-%n", "%t-%n-%a", "%n-%a", "%a-%n"};
    for (int arrangement = 0; arrangement < 6; ++arrangement) {
        EXPECT_EQ(RenameChoices::pattern(arrangement, 0), dashed.at(arrangement));
        QString spaced = dashed.at(arrangement);
        EXPECT_EQ(RenameChoices::pattern(arrangement, 1), spaced.replace('-', ' '));
        QString underscored = dashed.at(arrangement);
        EXPECT_EQ(RenameChoices::pattern(arrangement, 2), underscored.replace('-', '_'));
    }
    for (const auto &[arrangement, separator] : {std::pair{-1, 0}, {0, -1}, {6, 0}, {0, 3}})
        EXPECT_TRUE(RenameChoices::pattern(arrangement, separator).isEmpty());
}

// A run with a name clash through the window: RenamerPage_test.
TEST_F(TagRenamerTest, ReportsWhyAFileWasNotRenamed)
{
    const QString a = file(QStringLiteral("a.mp3"), Mp3Bytes::tag("Song", "Band", 17));
    const QString b = file(QStringLiteral("b.mp3"), QByteArray());
    const QList<TagRenamer::Result> results =
        TagRenamer::renameAll(m_dir.path(), {"a.mp3", "b.mp3", "gone.mp3"}, "%n", false);
    ASSERT_EQ(results.size(), 3);
    EXPECT_EQ(results[0].logLine(), a + " renamed to " + m_dir.filePath("Song.mp3"));
    EXPECT_EQ(results[1].logLine(), b + " not renamed, no ID3v1 tag");
    EXPECT_EQ(results[2].logLine(), m_dir.filePath("gone.mp3") + " not renamed, no such file");
    EXPECT_EQ(files(), (QStringList{"Song.mp3", "b.mp3"}));
}

TEST_F(TagRenamerTest, RefusesWithoutPatternOrName)
{
    const QString a = file(QStringLiteral("a.mp3"), Mp3Bytes::tag("", "", 17));
    EXPECT_EQ(TagRenamer::renameOne(a, QStringLiteral("  "), false).outcome,
              TagRenamer::Outcome::NoPattern);
    // Blank fields would name it ".mp3", which hides it.
    const TagRenamer::Result blank = TagRenamer::renameOne(a, QStringLiteral("%n %a"), false);
    EXPECT_EQ(blank.logLine(), a + " not renamed, its tag gives no name");
    EXPECT_EQ(files(), QStringList{"a.mp3"});
}

TEST_F(TagRenamerTest, AttachTimeHoldsForOneRunOnly)
{
    const QString a = file(QStringLiteral("a.mp3"), Mp3Bytes::tag("Song", "Band", 17));
    const QString b = file(QStringLiteral("b.mp3"), Mp3Bytes::tag("Tune", "Band", 17));
    EXPECT_TRUE(TagRenamer::renameOne(a, QStringLiteral("%n"), true).renamed());
    EXPECT_EQ(RenamePattern::AttachTime, 0);
    EXPECT_TRUE(TagRenamer::renameOne(b, QStringLiteral("%n"), false).renamed());
    EXPECT_EQ(files(), (QStringList{"Song (0.08).mp3", "Tune.mp3"}));
}
