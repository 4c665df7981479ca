#pragma once

#include <QByteArray>
#include <QString>

// Files written whole or not at all: the new content goes into an unnamed file beside the old
// one (UnnamedFile), is flushed to the disk and only then takes the name, so a full file system
// or a crash mid-write leaves the old file as it was and no stray file beside it.
class SavedFile {
public:
    // False when the file could not be written whole; a regular file of that name then stays as
    // it was, and anything else of that name (a folder, a pipe) is never replaced.
    static bool write(const QString &path, const QByteArray &bytes);
};
