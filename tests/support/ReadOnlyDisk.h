#pragma once

#include <QString>
#include <QTemporaryDir>

// A small file system mounted read-only, so that writes fail even for root: where the machine
// lets the tests mount one. What it holds is put in by the function handed to it, before it is
// made read-only.
class ReadOnlyDisk {
public:
    template <typename Fill> explicit ReadOnlyDisk(Fill fill)
    {
        if (mount()) {
            fill(*this);
            m_mounted = remountReadOnly();
        }
    }
    ~ReadOnlyDisk();
    ReadOnlyDisk(const ReadOnlyDisk &) = delete;
    ReadOnlyDisk &operator=(const ReadOnlyDisk &) = delete;

    bool mounted() const { return m_mounted; }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    bool mount();
    bool remountReadOnly();

    QTemporaryDir m_dir;
    bool m_mounted = false;
    bool m_attached = false;
};
