#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Renames MP3 files after their tags (Mp3FileRecord::RenameFile), each through a fresh record, and
// says what became of each: the renamer's log and tavro-cli rename report from here. Nothing is
// ever overwritten; without a pattern nothing is renamed. Message boxes of RenamePattern may show.
class TagRenamer {
public:
    enum class Outcome { Renamed, NoPattern, Missing, NoTag, NoName, Taken, Failed };

    struct Result {
        Outcome outcome = Outcome::Missing;
        QString from; // the file as it was named
        QString to;   // the name it got, or would have got (empty when no name was made)

        bool renamed() const { return outcome == Outcome::Renamed; }
        // Why it was not renamed: "no such file", "no ID3v1 tag", "<to> exists", ...
        QString reason() const;
        // "<from> renamed to <to>", or "<from> not renamed, <reason>".
        QString logLine() const;
    };

    // attachTime appends " (m:ss)" to the name (RenamePattern::AttachTime, back to 0 afterwards).
    static Result renameOne(const QString &file, const QString &pattern, bool attachTime);
    // Each of `names` in `folder`, first to last.
    static QList<Result> renameAll(const QString &folder, const QStringList &names,
                                   const QString &pattern, bool attachTime);
};
