#include "DroppedFiles.h"

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "FolderListing.h"
#include "M3uFile.h"

DroppedFiles::DroppedFiles(const QList<QUrl> &urls)
{
    for (const QUrl &url : urls) {
        const QString path = FileNameCodec::fromFileUrl(url);
        const FileEntry::Kind kind =
            path.isEmpty() ? FileEntry::Kind::Missing : FileEntry::kind(path);
        if (kind == FileEntry::Kind::Folder)
            m_usable.append({path, Kind::Folder});
        else if (kind == FileEntry::Kind::File && hasSuffix(path, QLatin1StringView(".mp3")))
            m_usable.append({path, Kind::Mp3});
        else if (kind == FileEntry::Kind::File && hasSuffix(path, QLatin1StringView(".m3u")))
            m_usable.append({path, Kind::PlayList});
    }
}

QStringList DroppedFiles::entries() const
{
    QStringList entries;
    for (const Usable &usable : m_usable) {
        switch (usable.kind) {
        case Kind::Mp3: entries << usable.path; break;
        case Kind::PlayList: M3uFile::OpenPlaylist(usable.path, entries); break;
        case Kind::Folder: {
            FolderListing folder;
            folder.read(usable.path);
            for (const FolderListing::Entry &file : folder.files())
                if (hasSuffix(file.name, QLatin1StringView(".mp3")))
                    entries << FolderListing::join(usable.path, file.name);
            break;
        }
        }
    }
    return entries;
}

bool DroppedFiles::hasSuffix(const QString &path, QLatin1StringView suffix)
{
    return path.endsWith(suffix, Qt::CaseInsensitive);
}
