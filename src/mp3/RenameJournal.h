#pragma once

#include <QList>
#include <QString>

// The renames of the last rename run, kept in the user's data folder so that they can still be
// undone after a restart. Each rename is appended as it happens, so a crash keeps those done.
// On disk: for each rename, the old and the new path as the file system's bytes, each ended by
// a NUL byte (the one byte no path holds).
class RenameJournal {
public:
    struct Entry {
        QString from;
        QString to;
        bool operator==(const Entry &) const = default;
    };

    explicit RenameJournal(const QString &path = defaultPath());
    // "rename-journal" in the user's data folder.
    static QString defaultPath();

    // Appends one rename.
    bool add(const Entry &entry);
    // The renames recorded, first to last. A record cut short by a crash is left out, and so is
    // a file that is not a journal (too big, or not a regular file).
    QList<Entry> entries() const;
    // Makes these the only renames recorded (none: a new run starts).
    bool keep(const QList<Entry> &entries);

private:
    void makeFolder() const;

    QString m_path;
};
