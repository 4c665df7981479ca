#include "UnnamedFile.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMutex>
#include <QSet>

#include "FileNameCodec.h"
#include "RegularFile.h"

namespace {
QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return ".";
    return slash == 0 ? QByteArray("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

// Where this process's descriptors have names.
constexpr char kDescriptorFolder[] = "/proc/self/fd/";

QByteArray procPath(int fd) { return kDescriptorFolder + QByteArray::number(fd); }

// The descriptors of open unnamed files; writers run on several threads.
QMutex heldLock;
QSet<int> held;

bool processEnded(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Only these mean the file system cannot make unnamed files; any other failure is real.
bool lacksTmpfile(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }
} // namespace

UnnamedFile::UnnamedFile(const QString &path, Use use) : m_target(FileNameCodec::encode(path))
{
    const QByteArray folder = use == Use::Output ? folderOf(m_target) : m_target;
    m_fd = ::open(folder.constData(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0666);
    if (m_fd < 0 && lacksTmpfile(errno) && use == Use::Output) {
        openStandIn(m_target);
    } else if (m_fd < 0 && lacksTmpfile(errno)) {
        // A scratch file needs no name at all: it loses it at once.
        QByteArray scratch = folder + "/.tavro-scratch-XXXXXX";
        m_fd = ::mkostemp(scratch.data(), O_CLOEXEC);
        if (m_fd >= 0)
            ::unlink(scratch.constData());
    }
    hold();
}

UnnamedFile::~UnnamedFile()
{
    if (m_fd >= 0) {
        const QMutexLocker lock(&heldLock);
        held.remove(m_fd);
        ::close(m_fd);
    }
    if (!m_standIn.isEmpty())
        ::unlink(m_standIn.constData());
}

QString UnnamedFile::path() const
{
    return m_fd >= 0 ? QString::fromLatin1(procPath(m_fd)) : QString();
}

void UnnamedFile::hold()
{
    if (m_fd < 0)
        return;
    const QMutexLocker lock(&heldLock);
    held.insert(m_fd);
}

bool UnnamedFile::isOpenUnnamed(const QString &path)
{
    const QString prefix = QString::fromLatin1(kDescriptorFolder);
    bool number = false;
    const int fd = path.startsWith(prefix) ? path.mid(prefix.size()).toInt(&number) : -1;
    const QMutexLocker lock(&heldLock);
    return number && held.contains(fd);
}

QByteArray UnnamedFile::partName(const QByteArray &target)
{
    return folderOf(target) + "/." + nameOf(target) + '.' + QByteArray::number(::getpid()) +
           ".part";
}

void UnnamedFile::removeStaleParts(const QByteArray &target)
{
    const QByteArray folder = folderOf(target);
    const QByteArray prefix = '.' + nameOf(target) + '.';
    DIR *dir = ::opendir(folder.constData());
    if (!dir)
        return;
    while (const dirent *item = ::readdir(dir)) {
        const QByteArray name(item->d_name);
        if (!name.startsWith(prefix) || !name.endsWith(".part"))
            continue;
        bool number = false;
        const pid_t pid = name.mid(prefix.size(), name.size() - prefix.size() - 5).toInt(&number);
        if (number && pid > 0 && (pid == ::getpid() || processEnded(pid)))
            ::unlinkat(::dirfd(dir), name.constData(), 0);
    }
    ::closedir(dir);
}

bool UnnamedFile::openStandIn(const QByteArray &target)
{
    removeStaleParts(target);
    m_standIn = partName(target);
    m_fd = ::open(m_standIn.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, 0666);
    if (m_fd < 0)
        m_standIn.clear();
    return m_fd >= 0;
}

bool UnnamedFile::linkAs(bool replace)
{
    if (m_fd < 0)
        return false;
    // Only a regular file is ever replaced: never a device, a pipe or a folder of that name.
    struct stat info {};
    if (replace && ::stat(m_target.constData(), &info) == 0 && !S_ISREG(info.st_mode))
        return false;
    if (!m_standIn.isEmpty())
        return moveStandIn(m_target, replace);
    const QByteArray source = procPath(m_fd);
    if (!replace)
        return ::linkat(AT_FDCWD, source.constData(), AT_FDCWD, m_target.constData(),
                        AT_SYMLINK_FOLLOW) == 0;
    // A link cannot replace: the file gets a hidden name first and is renamed over the target.
    const QByteArray hidden = partName(m_target);
    ::unlink(hidden.constData());
    if (::linkat(AT_FDCWD, source.constData(), AT_FDCWD, hidden.constData(), AT_SYMLINK_FOLLOW) !=
        0)
        return false;
    if (std::rename(hidden.constData(), m_target.constData()) == 0)
        return true;
    ::unlink(hidden.constData());
    return false;
}

bool UnnamedFile::moveStandIn(const QByteArray &target, bool replace)
{
    const bool moved = replace ? std::rename(m_standIn.constData(), target.constData()) == 0
                               : RegularFile::renameNoReplace(FileNameCodec::decode(m_standIn),
                                                              FileNameCodec::decode(target));
    if (moved)
        m_standIn.clear();
    return moved;
}
