#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// A regular file opened by descriptor for positioned reads and writes. MP3 files may be
// truncated, huge or not files at all: pipes, devices and directories never open (so no read can
// block or run forever), and reads past the end give zero bytes instead of failing.
class RegularFile {
public:
    enum Mode { ReadOnly, ReadWrite };

    explicit RegularFile(const QString &path, Mode mode = ReadOnly);
    ~RegularFile();
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;

    // The existence test of the MP3 classes: an entry of that exact name that is a regular file
    // (or a link to one).
    static bool exists(const QString &path);
    // Length in bytes; 0 when the path is not a readable regular file.
    static qint64 sizeOf(const QString &path);
    // True when both paths name the same file (the same inode on the same device), through links
    // too; false when either does not exist.
    static bool sameFile(const QString &a, const QString &b);
    // Renames without ever replacing an existing entry; false when the target exists.
    static bool renameNoReplace(const QString &from, const QString &to);

    bool isOpen() const { return m_fd >= 0; }
    // Hands the descriptor over (to a QFile, say), which then closes it; this object is closed.
    int release();
    // Length in bytes when opened (or last resized through this object).
    qint64 size() const { return m_size; }
    // count bytes from offset (0-based); bytes past the end of the file read as 0.
    QByteArray readAt(qint64 offset, int count) const;
    // True only when every byte was written.
    bool writeAt(qint64 offset, QByteArrayView bytes);
    bool resize(qint64 length);

private:
    int m_fd = -1;
    qint64 m_size = 0;
};
