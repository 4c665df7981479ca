#include "FileEntry.h"

#include <climits>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>

#include "FileNameCodec.h"

FileEntry::Kind FileEntry::kind(const QString &path)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(FileNameCodec::encode(path).constData(), &info) != 0)
        return Kind::Missing;
    if (S_ISREG(info.st_mode))
        return Kind::File;
    return S_ISDIR(info.st_mode) ? Kind::Folder : Kind::Other;
}

bool FileEntry::exists(const QString &path)
{
    struct stat info {};
    return !path.isEmpty() && ::lstat(FileNameCodec::encode(path).constData(), &info) == 0;
}

bool FileEntry::identify(const QString &path, quint64 *device, quint64 *inode)
{
    struct stat info {};
    if (path.isEmpty() || ::stat(FileNameCodec::encode(path).constData(), &info) != 0)
        return false;
    *device = quint64(info.st_dev);
    *inode = quint64(info.st_ino);
    return true;
}

QString FileEntry::absolute(const QString &path)
{
    if (path.startsWith(QLatin1Char('/')))
        return QDir::cleanPath(path); // text only: no file is looked up
    char folder[PATH_MAX];
    if (!::getcwd(folder, sizeof folder))
        return QDir::cleanPath(path);
    return QDir::cleanPath(FileNameCodec::decode(folder) + QLatin1Char('/') + path);
}
