#pragma once

#include <atomic>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class Mp3FileRecord;
class RenameJournal;

// Renames MP3 files after their tags (Mp3FileRecord::RenameFile), each through a fresh record, and
// says what became of each: the renamer's log and tavro-cli rename report from here. Nothing is
// ever overwritten; without a pattern nothing is renamed. Nothing is shown: the pattern's notices
// come back with each result for the caller to show.
class TagRenamer : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Renamed, WouldRename, NoPattern, Missing, NoTag, NoName, Taken, Failed };

    struct Result {
        Outcome outcome = Outcome::Missing;
        QString from; // the file as it was named
        QString to;   // the name it got, or would have got (empty when no name was made)
        // RenamePattern's notices, to be shown before the log line.
        QStringList notices;

        bool renamed() const { return outcome == Outcome::Renamed; }
        // Why it was not renamed: "no such file", "no ID3v1 tag", "<to> exists", ...
        QString reason() const;
        // "<from> renamed to <to>", "<from> would be renamed to <to>", or
        // "<from> not renamed, <reason>".
        QString logLine() const;
    };

    // Renames are recorded in journal, which the first rename of this renamer starts afresh.
    explicit TagRenamer(RenameJournal *journal = nullptr, QObject *parent = nullptr);

    // attachTime appends " (m:ss)" to the name.
    static Result renameOne(const QString &file, const QString &pattern, bool attachTime);
    // renameOne, recorded in the journal.
    Result rename(const QString &file, const QString &pattern, bool attachTime);
    // The name file would get, and whether it could get it, without renaming it.
    static Result preview(const QString &file, const QString &pattern, bool attachTime);

    // Each of `names` in `folder`, first to last, with one renamed() each; after cancel() no
    // further file is touched. Blocks: the renamer window runs it on a worker thread.
    void renameAll(const QString &folder, const QStringList &names, const QString &pattern,
                   bool attachTime, bool previewOnly = false);
    // The journal's renames undone, last first, with one renamed() each: a file gets its old
    // name back unless that name has been taken since or the file is gone. Those not undone stay
    // in the journal.
    void undoLast();
    // From any thread. Holds for every later renameAll too.
    void cancel() { m_cancelled = true; }

signals:
    void renamed(const TagRenamer::Result &result);

private:
    // The file's record; false, with the outcome set, when there is nothing to rename.
    static bool readFile(const QString &pattern, Mp3FileRecord &record, Result &result);
    void remember(const Result &result);

    RenameJournal *m_journal;
    bool m_journalStarted = false;
    std::atomic_bool m_cancelled = false;
};
