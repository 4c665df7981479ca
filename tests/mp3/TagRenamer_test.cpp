#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "FileNameCodec.h"
#include "Mp3Bytes.h"
#include "RenameChoices.h"
#include "RenameJournal.h"
#include "ScriptedMessageBox.h"
#include "TagRenamer.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// Renaming after tags: the patterns the renamer's choices make; runs over several files with the
// placeholders, the cleaning, the notices and the refusals each one reports; the last run's
// renames, kept on disk, shown before they happen and taken back after a restart.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300); // 7.82 s

class TagRenamerTest : public ::testing::Test {
protected:
    QString at(const QString &name) const { return m_dir.filePath(name); }
    void file(const QString &name, const QByteArray &tag)
    {
        Mp3Bytes::write(at(name), audio + tag);
    }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }
    // One run of a fresh renamer and journal, as after a restart: each result's notices, then
    // its log line (shortened to the new name when `shortened` and renamed).
    QStringList run(const std::function<void(TagRenamer &)> &work, bool shortened = false)
    {
        RenameJournal journal(at(u"data/rename-journal"_s));
        TagRenamer renamer(&journal);
        QStringList lines;
        QObject::connect(&renamer, &TagRenamer::renamed, [&](const TagRenamer::Result &result) {
            lines << result.notices
                  << (shortened && result.renamed() ? QFileInfo(result.to).fileName()
                                                    : result.logLine());
        });
        work(renamer);
        return lines;
    }
    QStringList renameAll(const QStringList &names, const QString &pattern = u"%n"_s,
                          bool attachTime = false, bool shortened = true)
    {
        return run([&](TagRenamer &r) { r.renameAll(m_dir.path(), names, pattern, attachTime); },
                   shortened);
    }
    QStringList undo()
    {
        return run([](TagRenamer &r) { r.undoLast(); });
    }

    QTemporaryDir m_dir;
    ScriptedMessageBox m_box; // nothing may be shown from here
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
    file("a.mp3", Mp3Bytes::tag("Song", "Band", 17));
    EXPECT_EQ(renameAll({"a.mp3"}, "%n:%a"), QStringList{"Song.Band.mp3"});
    // %a and %i are both the artist, but %i comes after %t: an artist "%t" stays as it is there.
    file("b.mp3", Mp3Bytes::tag("a*b?c/d\\e\"f<g>h|i\nj", "%t", 31, ' ', "1999", "Al"));
    EXPECT_EQ(
        renameAll({"b.mp3"}, "%n %a %i %y %g %b %f %x %l %v %s %m"),
        QStringList{"abcde'f[g]hi j Al %t 1999 Trance 128 44100 Joint Stereo 3 1.0 8 0.08.mp3"});
    // A trailing separator is dropped: the name before and after come back as notices.
    file("c.mp3", Mp3Bytes::tag("", "", 1, ' ', "1999"));
    EXPECT_EQ(renameAll({"c.mp3"}, "  %y.mp3-%n  ", true),
              (QStringList{"1999.mp3-", "1999.mp3", "1999.mp3 (0.08).mp3"}));
    EXPECT_TRUE(m_box.shown.isEmpty());
}

TEST_F(TagRenamerTest, EachFileReportsWhyItWasNotRenamedAndNothingIsOverwritten)
{
    file("a.mp3", Mp3Bytes::tag("Song", "Band", 17));
    file("b.mp3", QByteArray());
    file("c.mp3", Mp3Bytes::tag("Song", "", 17));
    file("d.mp3", Mp3Bytes::tag("Taken", "", 17));
    Mp3Bytes::write(at("Taken (0.08).mp3"), "keep me");
    EXPECT_EQ(renameAll({"a.mp3", "b.mp3", "gone.mp3", "c.mp3", "d.mp3"}, "%n-%a", true),
              (QStringList{"Song-Band (0.08).mp3", at("b.mp3") + " not renamed, no ID3v1 tag",
                           at("gone.mp3") + " not renamed, no such file", "Song-", "Song",
                           "Song (0.08).mp3", "Taken-", "Taken",
                           at("d.mp3") + " not renamed, " + at("Taken (0.08).mp3") + " exists"}));
    EXPECT_EQ(TestMedia::readFile(at("Taken (0.08).mp3")), "keep me");
    EXPECT_EQ(files(), (QStringList{"Song (0.08).mp3", "Song-Band (0.08).mp3", "Taken (0.08).mp3",
                                    "b.mp3", "d.mp3"}));
    // Blank fields would name it ".mp3", which hides it; no pattern, no rename.
    file("e.mp3", Mp3Bytes::tag("", "", 17));
    EXPECT_EQ(renameAll({"e.mp3"}, "%n %a"),
              QStringList{at("e.mp3") + " not renamed, its tag gives no name"});
    EXPECT_EQ(TagRenamer::renameOne(at("e.mp3"), "  ", false).outcome,
              TagRenamer::Outcome::NoPattern);
    EXPECT_EQ(TagRenamer::renameOne(at("e.mp3"), "  ", false).reason(), "no rename pattern");
}

TEST_F(TagRenamerTest, CancelStopsARunBeforeTheNextFile)
{
    file("a.mp3", Mp3Bytes::tag("One", "", 17));
    file("b.mp3", Mp3Bytes::tag("Two", "", 17));
    EXPECT_EQ(run(
                  [&](TagRenamer &r) {
                      QObject::connect(&r, &TagRenamer::renamed, [&] { r.cancel(); });
                      r.renameAll(m_dir.path(), {"a.mp3", "b.mp3"}, "%n", false);
                  },
                  true),
              QStringList{"One.mp3"});
    EXPECT_EQ(files(), (QStringList{"One.mp3", "b.mp3"}));
}

TEST_F(TagRenamerTest, TheJournalKeepsWholeRecordsOfAnyBytesAndNothingOfAFileThatIsNoJournal)
{
    RenameJournal journal(at(u"data/rename-journal"_s));
    const RenameJournal::Entry latin{FileNameCodec::decode("/m/caf\xe9.mp3"), u"/m/Tune.mp3"_s};
    ASSERT_TRUE(journal.add(latin));
    ASSERT_TRUE(journal.add({u"/m/b.mp3"_s, u"/m/c.mp3"_s}));
    EXPECT_EQ(journal.entries(), (QList<RenameJournal::Entry>{latin, {"/m/b.mp3", "/m/c.mp3"}}));
    QFile file(at(u"data/rename-journal"_s));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray("/m/cut short\0/m/x", 17)); // a crash in the middle of a record
    file.close();
    EXPECT_EQ(journal.entries().size(), 2);
    ASSERT_TRUE(QDir().mkpath(at(u"folder"_s)));
    EXPECT_TRUE(RenameJournal(at(u"folder"_s)).entries().isEmpty());
}

TEST_F(TagRenamerTest, PreviewRenamesNothingAndUndoAfterARestartBringsTheNamesBack)
{
    file("a.mp3", Mp3Bytes::tag("Song", "Band", 17));
    file("b.mp3", Mp3Bytes::tag("Tune", "Band", 17));
    file("c.mp3", QByteArray());
    EXPECT_EQ(run([&](TagRenamer &r) {
                  r.renameAll(m_dir.path(), {u"a.mp3"_s, u"c.mp3"_s}, u"%n"_s, false, true);
              }),
              (QStringList{at(u"a.mp3"_s) + " would be renamed to " + at(u"Song.mp3"_s),
                           at(u"c.mp3"_s) + " not renamed, no ID3v1 tag"}));
    EXPECT_EQ(files(), (QStringList{u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}));

    renameAll({u"a.mp3"_s});
    renameAll({u"b.mp3"_s}); // a new run: only its renames can be undone
    EXPECT_EQ(undo(), QStringList{at(u"Tune.mp3"_s) + " renamed to " + at(u"b.mp3"_s)});
    EXPECT_EQ(files(), (QStringList{u"Song.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}));
    EXPECT_TRUE(undo().isEmpty());

    // An old name taken since is refused and stays undoable.
    renameAll({u"b.mp3"_s});
    TestMedia::writeFile(at(u"b.mp3"_s), "someone else's");
    EXPECT_EQ(undo(),
              QStringList{at(u"Tune.mp3"_s) + " not renamed, " + at(u"b.mp3"_s) + " exists"});
    EXPECT_EQ(TestMedia::readFile(at(u"b.mp3"_s)), "someone else's");
    QFile::remove(at(u"b.mp3"_s));
    EXPECT_EQ(undo(), QStringList{at(u"Tune.mp3"_s) + " renamed to " + at(u"b.mp3"_s)});
}
