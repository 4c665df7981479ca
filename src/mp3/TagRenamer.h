#pragma once

#include <atomic>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

// Renames MP3 files after their tags (Mp3FileRecord::RenameFile), each through a fresh record, and
// says what became of each: the renamer's log and tavro-cli rename report from here. Nothing is
// ever overwritten; without a pattern nothing is renamed. Nothing is shown: the pattern's notices
// come back with each result for the caller to show.
class TagRenamer : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Renamed, NoPattern, Missing, NoTag, NoName, Taken, Failed };

    struct Result {
        Outcome outcome = Outcome::Missing;
        QString from; // the file as it was named
        QString to;   // the name it got, or would have got (empty when no name was made)
        // RenamePattern's notices, to be shown before the log line.
        QStringList notices;

        bool renamed() const { return outcome == Outcome::Renamed; }
        // Why it was not renamed: "no such file", "no ID3v1 tag", "<to> exists", ...
        QString reason() const;
        // "<from> renamed to <to>", or "<from> not renamed, <reason>".
        QString logLine() const;
    };

    using QObject::QObject;

    // attachTime appends " (m:ss)" to the name.
    static Result renameOne(const QString &file, const QString &pattern, bool attachTime);

    // Each of `names` in `folder`, first to last, with one renamed() each; after cancel() no
    // further file is touched. Blocks: the renamer window runs it on a worker thread.
    void renameAll(const QString &folder, const QStringList &names, const QString &pattern,
                   bool attachTime);
    // From any thread. Holds for every later renameAll too.
    void cancel() { m_cancelled = true; }

signals:
    void renamed(const TagRenamer::Result &result);

private:
    std::atomic_bool m_cancelled = false;
};
