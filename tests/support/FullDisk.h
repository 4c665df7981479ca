#pragma once

#include <QString>
#include <QTemporaryDir>

// A 64 KiB file system holding "old" ("old content\n") and a filler that takes every free byte:
// where the machine lets the tests mount one (as root).
class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk &) = delete;
    FullDisk &operator=(const FullDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
