#include "FuzzFile.h"

#include <cstdlib>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QtGlobal>

// Qt's warnings about refused input would only slow the run down.
extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    return 0;
}

FuzzFile::FuzzFile() : m_fd(memfd_create("tavro-fuzz", MFD_CLOEXEC))
{
    if (m_fd < 0)
        std::abort();
    m_path = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
}

FuzzFile::~FuzzFile() { ::close(m_fd); }

const QString &FuzzFile::fill(const quint8 *data, size_t size)
{
    if (::ftruncate(m_fd, 0) != 0 || ::pwrite(m_fd, data, size, 0) != ssize_t(size))
        std::abort();
    return m_path;
}

QByteArray FuzzFile::contents() const
{
    struct stat info {};
    if (::fstat(m_fd, &info) != 0)
        std::abort();
    QByteArray bytes(info.st_size, '\0');
    if (::pread(m_fd, bytes.data(), bytes.size(), 0) != info.st_size)
        std::abort();
    return bytes;
}
