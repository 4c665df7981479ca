#include "RenameJournal.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QStandardPaths>

#include "FileNameCodec.h"
#include "RegularFile.h"
#include "SavedFile.h"

namespace {
// Far more than any run's renames; a bigger file is not a journal.
constexpr qint64 kMaxJournalBytes = 16 << 20;

QByteArray record(const RenameJournal::Entry &entry)
{
    return FileNameCodec::encode(entry.from) + '\0' + FileNameCodec::encode(entry.to) + '\0';
}
} // namespace

RenameJournal::RenameJournal(const QString &path) : m_path(path) {}

QString RenameJournal::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/rename-journal");
}

void RenameJournal::makeFolder() const
{
    QDir().mkpath(m_path.left(m_path.lastIndexOf(QLatin1Char('/'))));
}

bool RenameJournal::add(const Entry &entry)
{
    makeFolder();
    const QByteArray bytes = record(entry);
    const int fd = ::open(FileNameCodec::encode(m_path).constData(),
                          O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return false;
    // One write, so that a record is either whole or cut short, never interleaved.
    const bool written = ::write(fd, bytes.constData(), size_t(bytes.size())) == bytes.size();
    return ::close(fd) == 0 && written;
}

QList<RenameJournal::Entry> RenameJournal::entries() const
{
    const RegularFile file(m_path);
    if (!file.isOpen() || file.size() > kMaxJournalBytes)
        return {};
    const QList<QByteArray> parts = file.readAt(0, int(file.size())).split('\0');
    QList<Entry> result;
    // The last part follows the last NUL: empty when the file ends with a whole record.
    for (qsizetype at = 0; at + 2 < parts.size(); at += 2) {
        if (!parts[at].isEmpty() && !parts[at + 1].isEmpty())
            result.append({FileNameCodec::decode(parts[at]), FileNameCodec::decode(parts[at + 1])});
    }
    return result;
}

bool RenameJournal::keep(const QList<Entry> &entries)
{
    QByteArray bytes;
    for (const Entry &entry : entries)
        bytes += record(entry);
    makeFolder();
    return SavedFile::write(m_path, bytes);
}
