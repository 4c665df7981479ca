#include "Mp3FileInput.h"

#include <algorithm>
#include <cstring>

#include <fcntl.h>
#include <mpg123.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 kBufferBytes = 16 * 1024;
}

Mp3FileInput::~Mp3FileInput()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool Mp3FileInput::open(const QByteArray &path)
{
    // Non-blocking, so that opening a pipe or device cannot hang before it is refused.
    m_fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    struct stat info;
    if (m_fd < 0 || ::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    m_size = qint64(info.st_size);
    m_buffer.resize(kBufferBytes);
    return true;
}

QByteArray Mp3FileInput::peek(qint64 offset, int bytes) const
{
    QByteArray out(bytes, Qt::Uninitialized);
    const ssize_t got = ::pread(m_fd, out.data(), size_t(bytes), off_t(offset));
    out.truncate(got > 0 ? int(got) : 0);
    return out;
}

void Mp3FileInput::attach(mpg123_handle_struct *handle)
{
    mpg123_replace_reader_handle(handle, &Mp3FileInput::read, &Mp3FileInput::seek, nullptr);
}

bool Mp3FileInput::fill()
{
    const ssize_t got = ::pread(m_fd, m_buffer.data(), m_buffer.size(), off_t(m_position));
    m_bufferStart = m_position;
    m_buffered = got > 0 ? got : 0;
    return m_buffered > 0;
}

ssize_t Mp3FileInput::readAt(char *out, size_t bytes)
{
    size_t done = 0;
    while (done < bytes) {
        const bool inBuffer =
            m_position >= m_bufferStart && m_position < m_bufferStart + m_buffered;
        if (!inBuffer && !fill())
            break;
        const qint64 offset = m_position - m_bufferStart;
        const size_t part = std::min(bytes - done, size_t(m_buffered - offset));
        std::memcpy(out + done, m_buffer.data() + offset, part);
        done += part;
        m_position += qint64(part);
    }
    return ssize_t(done);
}

ssize_t Mp3FileInput::read(void *self, void *buffer, size_t bytes)
{
    return static_cast<Mp3FileInput *>(self)->readAt(static_cast<char *>(buffer), bytes);
}

off_t Mp3FileInput::seek(void *self, off_t offset, int whence)
{
    auto *input = static_cast<Mp3FileInput *>(self);
    qint64 base = 0;
    if (whence == SEEK_CUR)
        base = input->m_position;
    else if (whence == SEEK_END)
        base = input->m_size;
    else if (whence != SEEK_SET)
        return -1;
    const qint64 target = base + qint64(offset);
    if (target < 0)
        return -1;
    input->m_position = target;
    return off_t(target);
}
