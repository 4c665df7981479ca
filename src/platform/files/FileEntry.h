#pragma once

#include <QString>

// What a user's path names, looked up through the path's own bytes (FileNameCodec): QFileInfo and
// QDir would look up Qt's re-encoding of the name, which for a name that is not UTF-8 is another.
class FileEntry {
public:
    enum class Kind { Missing, File, Folder, Other };

    // Links are followed: a link to a folder is a Folder, a dangling one Missing.
    static Kind kind(const QString &path);
    // Any entry of that name, a dangling link included.
    static bool exists(const QString &path);
    // The device and inode the path leads to; false when there is none.
    static bool identify(const QString &path, quint64 *device, quint64 *inode);
    // path against the working folder, "." and ".." resolved as text (links are not looked up).
    static QString absolute(const QString &path);
};
