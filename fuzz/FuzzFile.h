#pragma once

#include <QByteArray>
#include <QString>

// The fuzz input as a file the readers open by name: an in-memory file (memfd) reached through
// /proc/self/fd, refilled for every input, so a run touches no disk.
class FuzzFile {
public:
    FuzzFile();
    ~FuzzFile();
    FuzzFile(const FuzzFile &) = delete;
    FuzzFile &operator=(const FuzzFile &) = delete;

    // Replaces the contents and returns the path to open.
    const QString &fill(const quint8 *data, size_t size);
    // The contents as they are now (after a target wrote to the file).
    QByteArray contents() const;

private:
    int m_fd = -1;
    QString m_path;
};
