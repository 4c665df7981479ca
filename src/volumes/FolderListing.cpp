#include "FolderListing.h"

#include <algorithm>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "FileNameCodec.h"

namespace {
void sortByName(QList<FolderListing::Entry> &list)
{
    std::sort(list.begin(), list.end(), [](const auto &a, const auto &b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
}
} // namespace

bool FolderListing::read(const QString &folder)
{
    m_folders.clear();
    m_files.clear();
    DIR *dir = ::opendir(FileNameCodec::encode(folder).constData());
    if (!dir)
        return false;
    const int descriptor = ::dirfd(dir);
    while (const dirent *item = ::readdir(dir)) {
        if (item->d_name[0] == '.')
            continue;
        struct stat info;
        if (::fstatat(descriptor, item->d_name, &info, 0) != 0)
            continue;
        Entry entry{FileNameCodec::decode(item->d_name), qint64(info.st_size), quint64(info.st_dev),
                    quint64(info.st_ino)};
        if (S_ISDIR(info.st_mode))
            m_folders.append(entry);
        else if (S_ISREG(info.st_mode))
            m_files.append(entry);
    }
    ::closedir(dir);
    sortByName(m_folders);
    sortByName(m_files);
    return true;
}

QString FolderListing::join(const QString &folder, const QString &name)
{
    return folder.endsWith(QLatin1Char('/')) ? folder + name : folder + QLatin1Char('/') + name;
}
