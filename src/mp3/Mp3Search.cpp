#include "Mp3Search.h"

#include "FileEntry.h"
#include "FolderListing.h"
#include "MountTable.h"
#include "PlaybackTables.h"

namespace {
bool isMp3Name(const QString &name) { return name.right(3).toLower() == QLatin1String("mp3"); }

QSet<quint64> kernelDevices()
{
    QSet<quint64> devices;
    quint64 device = 0;
    quint64 inode = 0;
    for (const QString &mountPoint : MountTable().pseudoMountPoints())
        if (FileEntry::identify(mountPoint, &device, &inode))
            devices.insert(device);
    return devices;
}
} // namespace

QString Mp3Search::sizeText(qint64 bytes)
{
    // The player's size text without its unit, so that both round alike.
    return PlaybackTables::megabytes(bytes).chopped(2) + QStringLiteral(" MB");
}

QString Mp3Search::durationText(double seconds)
{
    const int minutes = PlaybackTables::roundHalfEven(seconds) / 60;
    const int rest = PlaybackTables::roundHalfEven(seconds - minutes * 60.0);
    return QString::number(minutes) + QLatin1Char(':') + QString::number(rest);
}

void Mp3Search::run(const QString &startFolder)
{
    m_directories = m_files = m_unreadable = 0;
    m_seen.clear();
    m_kernelDevices = kernelDevices();
    const QString start = FileEntry::absolute(startFolder);
    quint64 device = 0;
    quint64 inode = 0;
    if (FileEntry::identify(start, &device, &inode))
        m_seen.insert({device, inode});
    QStringList queue{start};
    // The queue grows while it is walked: that makes the walk breadth first.
    for (qsizetype k = 0; k < queue.size() && !m_cancelled; ++k) {
        const QString folder = queue.at(k); // a copy: visiting appends to the queue
        visit(folder, queue);
    }
}

void Mp3Search::visit(const QString &folder, QStringList &queue)
{
    ++m_directories;
    emit folderEntered(folder);
    FolderListing listing;
    if (!listing.read(folder)) {
        ++m_unreadable;
        return;
    }
    for (const FolderListing::Entry &file : listing.files()) {
        if (m_cancelled)
            return;
        if (!isMp3Name(file.name))
            continue;
        ++m_files;
        const QString path = FolderListing::join(folder, file.name);
        const double seconds = m_duration.seconds(path);
        emit fileFound({file.name, folder, path, sizeText(file.size), durationText(seconds)});
    }
    for (const FolderListing::Entry &sub : listing.folders()) {
        if (m_kernelDevices.contains(sub.device) || m_seen.contains({sub.device, sub.inode}))
            continue;
        m_seen.insert({sub.device, sub.inode});
        queue.append(FolderListing::join(folder, sub.name));
    }
}
