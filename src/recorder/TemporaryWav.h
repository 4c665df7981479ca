#pragma once

#include <QString>

// A WAV file name of its own in the user's temporary folder, reserved by making the file (empty)
// so that no other program takes it. The file goes when another is reserved, on remove() and
// with this object, so a recording never outlives its recorder.
class TemporaryWav {
public:
    TemporaryWav() = default;
    ~TemporaryWav();
    TemporaryWav(const TemporaryWav &) = delete;
    TemporaryWav &operator=(const TemporaryWav &) = delete;

    // Deletes the earlier file; false, and no name, when no file can be made.
    bool reserve();
    // Empty when none is reserved.
    QString path() const { return m_path; }
    // False when the file is still there.
    bool remove();

private:
    QString m_path;
};
