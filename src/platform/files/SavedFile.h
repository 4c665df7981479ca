#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

// Files written whole or not at all: the new content goes into an unnamed file beside the old
// one (UnnamedFile), is flushed to the disk and only then takes the name, so a full file system
// or a crash mid-write leaves the old file as it was and no stray file beside it.
class SavedFile {
public:
    // Commits a QSaveFile opened and written by the caller; false (and nothing replaced) when a
    // write, the flush or the commit failed. QSaveFile's commit() alone reports success when data
    // it still buffers cannot reach the disk, so the buffer is flushed and checked first.
    static bool commit(QSaveFile &file);
    // False when the file could not be written whole; a regular file of that name then stays as
    // it was, and anything else of that name (a folder, a pipe) is never replaced.
    static bool write(const QString &path, const QByteArray &bytes);
};
