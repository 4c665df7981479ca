#pragma once

#include <QString>

// An output its writer creates under a hidden name beside its final name (".NAME.PID.part", so
// that the final move stays on one file system), moved into place only when complete: the final
// name never holds a half-written file. The part file is removed unless it was moved; one a
// killed process left is removed by the next part file made for that name.
class PartFile {
public:
    explicit PartFile(const QString &target);
    ~PartFile();
    PartFile(const PartFile &) = delete;
    PartFile &operator=(const PartFile &) = delete;

    QString path() const { return m_path; }
    // Moves the part file onto the target: replacing an existing target (atomically) only when
    // replace is set, and only when it is a regular file. False when the move fails; the part
    // file is then removed.
    bool commit(bool replace);

private:
    QString m_target;
    QString m_path;
    int m_folder = -1; // the target's folder, held for a part reached through it
};
