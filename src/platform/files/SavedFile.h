#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Files written whole or not at all. QSaveFile alone is not enough: its commit() reports success
// when data it still buffers cannot reach the disk (a full file system then leaves an empty
// file), so the buffer is flushed and checked first, and on any failure the old file stays.
class SavedFile {
public:
    // Commits a QSaveFile opened and written by the caller; false (and nothing replaced) when a
    // write, the flush or the commit failed.
    static bool commit(QSaveFile &file);
    static bool write(const QString &path, const QByteArray &bytes);
};
