#include "FileProblem.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "RegularFile.h"

namespace {
QString cannotRead(int error)
{
    return QStringLiteral("cannot be read (%1)").arg(QString::fromLocal8Bit(std::strerror(error)));
}
} // namespace

QString FileProblem::forReading(const QString &path)
{
    const QByteArray name = FileNameCodec::encode(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? QStringLiteral("no such file")
                                                   : cannotRead(errno);
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("is a folder");
    if (!S_ISREG(info.st_mode))
        return QStringLiteral("is not a regular file");
    // Permissions alone do not tell: root reads anything, and a failing disk fails the read.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return cannotRead(errno);
    char byte = 0;
    const ssize_t n = ::pread(fd, &byte, 1, 0);
    const int error = errno;
    ::close(fd);
    return n < 0 ? cannotRead(error) : QString();
}

QString FileProblem::forWriting(const QString &path)
{
    const QString absolute = FileEntry::absolute(path);
    const QString folder = absolute.left(qMax(absolute.lastIndexOf(QLatin1Char('/')), 1));
    if (::access(FileNameCodec::encode(folder).constData(), W_OK | X_OK) == 0)
        return QString();
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    return QStringLiteral("cannot write in the folder %1 (%2)").arg(folder, reason);
}

QString FileProblem::forOutput(const QString &path, const QStringList &inputs, bool force)
{
    for (const QString &input : inputs)
        if (RegularFile::sameFile(input, path))
            return QStringLiteral("is an input of this command; it is never replaced");
    const FileEntry::Kind kind = FileEntry::kind(path);
    if (kind != FileEntry::Kind::Missing && kind != FileEntry::Kind::File)
        return QStringLiteral("is not a regular file; it is never replaced");
    if (kind == FileEntry::Kind::File && !force)
        return QStringLiteral("already exists (--force replaces it)");
    return forWriting(path);
}

bool FileProblem::report(QTextStream &err, const char *command, const QString &path,
                         const QString &problem)
{
    if (!problem.isEmpty())
        err << "tavro-cli " << command << ": " << path << ": " << problem << '\n';
    return !problem.isEmpty();
}
