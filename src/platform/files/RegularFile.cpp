#include "RegularFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileNameCodec.h"

RegularFile::RegularFile(const QString &path, Mode mode)
{
    // O_NONBLOCK: opening a named pipe must not wait for a writer; it is refused just below.
    const int flags = (mode == ReadWrite ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_CLOEXEC;
    m_fd = ::open(FileNameCodec::encode(path).constData(), flags);
    struct stat info {};
    if (m_fd >= 0 && (::fstat(m_fd, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_size = m_fd >= 0 ? info.st_size : 0;
}

RegularFile::~RegularFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

int RegularFile::release() { return std::exchange(m_fd, -1); }

bool RegularFile::exists(const QString &path)
{
    struct stat info {};
    return ::stat(FileNameCodec::encode(path).constData(), &info) == 0 && S_ISREG(info.st_mode);
}

qint64 RegularFile::sizeOf(const QString &path)
{
    struct stat info {};
    if (::stat(FileNameCodec::encode(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    return info.st_size;
}

bool RegularFile::sameFile(const QString &a, const QString &b)
{
    struct stat first {
    }, second{};
    return ::stat(FileNameCodec::encode(a).constData(), &first) == 0 &&
           ::stat(FileNameCodec::encode(b).constData(), &second) == 0 &&
           first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool RegularFile::renameNoReplace(const QString &from, const QString &to)
{
    const QByteArray source = FileNameCodec::encode(from);
    const QByteArray target = FileNameCodec::encode(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without RENAME_NOREPLACE: a hard link refuses an existing name just the same.
    if (::link(source.constData(), target.constData()) != 0)
        return false;
    ::unlink(source.constData());
    return true;
}

QByteArray RegularFile::readAt(qint64 offset, int count) const
{
    QByteArray bytes(count, '\0');
    qint64 done = 0;
    while (m_fd >= 0 && offset >= 0 && done < count) {
        const ssize_t n = ::pread(m_fd, bytes.data() + done, size_t(count - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += n;
    }
    return bytes;
}

bool RegularFile::writeAt(qint64 offset, QByteArrayView bytes)
{
    qint64 done = 0;
    while (m_fd >= 0 && done < bytes.size()) {
        const ssize_t n =
            ::pwrite(m_fd, bytes.data() + done, size_t(bytes.size() - done), offset + done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
        m_size = std::max(m_size, offset + done);
    }
    return m_fd >= 0;
}

bool RegularFile::resize(qint64 length)
{
    if (m_fd < 0 || ::ftruncate(m_fd, length) != 0)
        return false;
    m_size = length;
    return true;
}
