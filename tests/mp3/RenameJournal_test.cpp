#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "FileNameCodec.h"
#include "Mp3Bytes.h"
#include "RenameJournal.h"
#include "ScriptedMessageBox.h"
#include "TagRenamer.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// The last run's renames, kept on disk, shown before they happen and taken back after a restart.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 30);

class RenameJournalTest : public ::testing::Test {
protected:
    QString at(const QString &name) const { return m_dir.filePath(name); }
    QString journalPath() const { return at(u"data/rename-journal"_s); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files, QDir::Name); }
    // One run of a fresh renamer and journal, as after a restart; its log lines.
    QStringList run(const std::function<void(TagRenamer &)> &work)
    {
        RenameJournal journal(journalPath());
        TagRenamer renamer(&journal);
        QStringList lines;
        QObject::connect(&renamer, &TagRenamer::renamed,
                         [&](const TagRenamer::Result &result) { lines << result.logLine(); });
        work(renamer);
        return lines;
    }
    QStringList renameAll(const QStringList &names)
    {
        return run([&](TagRenamer &r) { r.renameAll(m_dir.path(), names, u"%n"_s, false); });
    }
    QStringList undo()
    {
        return run([](TagRenamer &r) { r.undoLast(); });
    }

    QTemporaryDir m_dir;
    ScriptedMessageBox m_box; // nothing may be shown from here
};
} // namespace

TEST_F(RenameJournalTest, KeepsWholeRecordsOfAnyBytesAndNothingOfAFileThatIsNoJournal)
{
    RenameJournal journal(journalPath());
    const RenameJournal::Entry latin{FileNameCodec::decode("/m/caf\xe9.mp3"), u"/m/Tune.mp3"_s};
    ASSERT_TRUE(journal.add(latin));
    ASSERT_TRUE(journal.add({u"/m/b.mp3"_s, u"/m/c.mp3"_s}));
    EXPECT_EQ(journal.entries(), (QList<RenameJournal::Entry>{latin, {"/m/b.mp3", "/m/c.mp3"}}));
    QFile file(journalPath());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write(QByteArray("/m/cut short\0/m/x", 17)); // a crash in the middle of a record
    file.close();
    EXPECT_EQ(journal.entries().size(), 2);
    ASSERT_TRUE(QDir().mkpath(at(u"folder"_s)));
    EXPECT_TRUE(RenameJournal(at(u"folder"_s)).entries().isEmpty());
}

TEST_F(RenameJournalTest, PreviewRenamesNothingAndUndoAfterARestartBringsTheNamesBack)
{
    Mp3Bytes::write(at(u"a.mp3"_s), audio + Mp3Bytes::tag("Song", "Band", 17));
    Mp3Bytes::write(at(u"b.mp3"_s), audio + Mp3Bytes::tag("Tune", "Band", 17));
    Mp3Bytes::write(at(u"c.mp3"_s), audio);
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
}

TEST_F(RenameJournalTest, AnOldNameTakenSinceIsRefusedAndStaysUndoable)
{
    Mp3Bytes::write(at(u"a.mp3"_s), audio + Mp3Bytes::tag("Song", "Band", 17));
    renameAll({u"a.mp3"_s});
    TestMedia::writeFile(at(u"a.mp3"_s), "someone else's");
    EXPECT_EQ(undo(),
              QStringList{at(u"Song.mp3"_s) + " not renamed, " + at(u"a.mp3"_s) + " exists"});
    EXPECT_EQ(TestMedia::readFile(at(u"a.mp3"_s)), "someone else's");
    QFile::remove(at(u"a.mp3"_s));
    EXPECT_EQ(undo(), QStringList{at(u"Song.mp3"_s) + " renamed to " + at(u"a.mp3"_s)});
}
