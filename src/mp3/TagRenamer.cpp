#include "TagRenamer.h"

#include <utility>

#include "FileEntry.h"
#include "FolderListing.h"
#include "Mp3FileRecord.h"
#include "RegularFile.h"
#include "RenameJournal.h"
#include "RenamePattern.h"

QString TagRenamer::Result::reason() const
{
    switch (outcome) {
    case Outcome::Renamed:
    case Outcome::WouldRename: return QString();
    case Outcome::NoPattern: return QStringLiteral("no rename pattern");
    case Outcome::Missing: return QStringLiteral("no such file");
    case Outcome::NoTag: return QStringLiteral("no ID3v1 tag");
    case Outcome::NoName: return QStringLiteral("its tag gives no name");
    case Outcome::Taken: return to + QStringLiteral(" exists");
    case Outcome::Failed: return to + QStringLiteral(" cannot be made");
    }
    return QString();
}

QString TagRenamer::Result::logLine() const
{
    if (outcome == Outcome::WouldRename)
        return from + QStringLiteral(" would be renamed to ") + to;
    return renamed() ? from + QStringLiteral(" renamed to ") + to
                     : from + QStringLiteral(" not renamed, ") + reason();
}

TagRenamer::TagRenamer(RenameJournal *journal, QObject *parent)
    : QObject(parent), m_journal(journal)
{
}

bool TagRenamer::readFile(const QString &pattern, Mp3FileRecord &record, Result &result)
{
    if (pattern.trimmed().isEmpty()) {
        result.outcome = Outcome::NoPattern;
        return false;
    }
    record.setFullName(result.from);
    return record.ReadMP3Info() != QVariant(-1);
}

TagRenamer::Result TagRenamer::preview(const QString &file, const QString &pattern, bool attachTime)
{
    Result result{Outcome::Missing, file, {}, {}};
    Mp3FileRecord record;
    if (!readFile(pattern, record, result))
        return result;
    if (!record.TagPresent()) {
        result.outcome = Outcome::NoTag;
        return result;
    }
    const RenamePattern::Name name = RenamePattern::apply(pattern, record, attachTime);
    result.notices = name.notices;
    result.to = record.Path() + name.fileName;
    result.outcome = name.fileName == QLatin1String(".mp3") ? Outcome::NoName
                     : FileEntry::exists(result.to)         ? Outcome::Taken
                                                            : Outcome::WouldRename;
    return result;
}

TagRenamer::Result TagRenamer::renameOne(const QString &file, const QString &pattern,
                                         bool attachTime)
{
    Result result{Outcome::Missing, file, {}, {}};
    Mp3FileRecord record;
    if (!readFile(pattern, record, result))
        return result;
    QString name = pattern;
    const QVariant renamed = record.RenameFile(name, attachTime, result.notices);
    if (!renamed.isValid()) {
        result.outcome = Outcome::NoTag;
        return result;
    }
    result.to = record.Path() + name;
    if (renamed.toInt() == 1)
        result.outcome = Outcome::Renamed;
    else if (name == QLatin1String(".mp3"))
        result.outcome = Outcome::NoName;
    else if (FileEntry::exists(result.to))
        result.outcome = Outcome::Taken;
    else
        result.outcome = Outcome::Failed;
    return result;
}

TagRenamer::Result TagRenamer::rename(const QString &file, const QString &pattern, bool attachTime)
{
    const Result result = renameOne(file, pattern, attachTime);
    if (result.renamed())
        remember(result);
    return result;
}

void TagRenamer::renameAll(const QString &folder, const QStringList &names, const QString &pattern,
                           bool attachTime, bool previewOnly)
{
    for (const QString &name : names) {
        if (m_cancelled)
            return;
        const QString file = FolderListing::join(folder, name);
        emit renamed(previewOnly ? preview(file, pattern, attachTime)
                                 : rename(file, pattern, attachTime));
    }
}

void TagRenamer::undoLast()
{
    if (!m_journal)
        return;
    QList<RenameJournal::Entry> entries = m_journal->entries();
    QList<RenameJournal::Entry> kept;
    while (!entries.isEmpty() && !m_cancelled) {
        const RenameJournal::Entry entry = entries.takeLast();
        // The way back is a rename from the new name to the old one.
        Result result{Outcome::Renamed, entry.to, entry.from, {}};
        if (!RegularFile::exists(entry.to))
            result.outcome = Outcome::Missing;
        else if (FileEntry::exists(entry.from))
            result.outcome = Outcome::Taken;
        else if (!RegularFile::renameNoReplace(entry.to, entry.from))
            result.outcome = Outcome::Failed;
        if (!result.renamed())
            kept.prepend(entry);
        emit renamed(result);
    }
    m_journal->keep(entries + kept);
}

void TagRenamer::remember(const Result &result)
{
    if (!m_journal)
        return;
    // A run's first rename makes the earlier run's renames final.
    if (!std::exchange(m_journalStarted, true))
        m_journal->keep({});
    m_journal->add({result.from, result.to});
}

#include "moc_TagRenamer.cpp"
