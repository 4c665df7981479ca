#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs of the test's own, where the machine lets the tests mount one (as root): filled
// up, so every write fails for lack of space, or made read-only, so every write fails even for
// root.
class TmpfsDisk {
public:
    explicit TmpfsDisk(const char *size);
    ~TmpfsDisk();
    TmpfsDisk(const TmpfsDisk &) = delete;
    TmpfsDisk &operator=(const TmpfsDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Writes "old" ("old content\n"), then a filler that takes every free byte.
    void fillUp() const;
    bool makeReadOnly() const;

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
