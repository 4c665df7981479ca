#include "TagRenamer.h"

#include "FileEntry.h"
#include "FolderListing.h"
#include "Mp3FileRecord.h"
#include "RenamePattern.h"

QString TagRenamer::Result::reason() const
{
    switch (outcome) {
    case Outcome::Renamed: return QString();
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
    return renamed() ? from + QStringLiteral(" renamed to ") + to
                     : from + QStringLiteral(" not renamed, ") + reason();
}

TagRenamer::Result TagRenamer::renameOne(const QString &file, const QString &pattern,
                                         bool attachTime)
{
    Result result;
    result.from = file;
    if (pattern.trimmed().isEmpty()) {
        result.outcome = Outcome::NoPattern;
        return result;
    }
    Mp3FileRecord record;
    record.setFullName(file);
    if (record.ReadMP3Info() == QVariant(-1))
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

void TagRenamer::renameAll(const QString &folder, const QStringList &names, const QString &pattern,
                           bool attachTime)
{
    for (const QString &name : names) {
        if (m_cancelled)
            return;
        emit renamed(renameOne(FolderListing::join(folder, name), pattern, attachTime));
    }
}
