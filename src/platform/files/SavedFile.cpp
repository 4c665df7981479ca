#include "SavedFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

#include "FileNameCodec.h"
#include "UnnamedFile.h"

namespace {
bool writeAll(int fd, const QByteArray &bytes)
{
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// A link is kept: the file it leads to is the one written, as an editor would.
QString linkTarget(const QString &path)
{
    const QByteArray bytes = FileNameCodec::encode(path);
    struct stat info {};
    char resolved[PATH_MAX];
    if (::lstat(bytes.constData(), &info) != 0 || !S_ISLNK(info.st_mode) ||
        !::realpath(bytes.constData(), resolved))
        return path;
    return FileNameCodec::decode(resolved);
}
} // namespace

bool SavedFile::write(const QString &path, const QByteArray &bytes)
{
    const QString target = linkTarget(path);
    UnnamedFile file(target);
    if (!file.isOpen() || !writeAll(file.descriptor(), bytes) || ::fsync(file.descriptor()) != 0)
        return false;
    // A replaced file keeps its permissions.
    struct stat old {};
    if (::stat(FileNameCodec::encode(target).constData(), &old) == 0)
        ::fchmod(file.descriptor(), old.st_mode & 07777);
    return file.linkAs(true);
}
