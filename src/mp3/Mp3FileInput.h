#pragma once

#include <vector>

#include <sys/types.h>

#include <QByteArray>

struct mpg123_handle_struct;

// A file as libmpg123 reads it for measuring: through a 16 KiB buffer filled with pread. A header
// scan asks for a few bytes per frame and then skips ahead; one system call each would cost more
// than the scan itself. Only regular files open (a pipe named *.mp3 would block). Reading never
// faults if the file shrinks meanwhile: it just ends early.
class Mp3FileInput {
public:
    Mp3FileInput() = default;
    ~Mp3FileInput();
    Mp3FileInput(const Mp3FileInput &) = delete;
    Mp3FileInput &operator=(const Mp3FileInput &) = delete;

    bool open(const QByteArray &path);
    qint64 size() const { return m_size; }
    void rewind() { m_position = 0; }
    // Up to `bytes` bytes at `offset`, leaving the reading position alone.
    QByteArray peek(qint64 offset, int bytes) const;

    // Makes a decoder handle read through objects of this class (mpg123_open_handle(h, &input)).
    static void attach(mpg123_handle_struct *handle);

private:
    static ssize_t read(void *self, void *buffer, size_t bytes);
    static off_t seek(void *self, off_t offset, int whence);
    ssize_t readAt(char *out, size_t bytes);
    bool fill();

    int m_fd = -1;
    qint64 m_size = 0;
    qint64 m_position = 0;
    qint64 m_bufferStart = 0;
    std::vector<char> m_buffer;
    qint64 m_buffered = 0;
};
