#pragma once

#include <QList>
#include <QString>

// One folder's contents as the folder and file lists show them: its subfolders and its files,
// each sorted by name without regard to case. Hidden entries (names starting with ".") are left
// out, as are entries that are neither folders nor regular files (devices, pipes, sockets,
// broken links): opening a pipe named like a file would block. Links count as what they point to.
// Names are the file system's bytes (FileNameCodec), so a name that is not UTF-8 still opens.
class FolderListing {
public:
    struct Entry {
        QString name;
        qint64 size = 0;    // bytes; files only
        quint64 device = 0; // with inode, tells the same folder reached twice (links, bind mounts)
        quint64 inode = 0;
    };

    // False when the folder cannot be opened (missing, not a folder, no permission); the lists
    // are then empty.
    bool read(const QString &folder);

    const QList<Entry> &folders() const { return m_folders; }
    const QList<Entry> &files() const { return m_files; }

    // The path of an entry of `folder`, without a doubled "/" below the root.
    static QString join(const QString &folder, const QString &name);

private:
    QList<Entry> m_folders;
    QList<Entry> m_files;
};
