#include "Mp3Search.h"

#include <QThread>

#include "DurationProbes.h"
#include "FileEntry.h"
#include "FolderListing.h"
#include "MountTable.h"
#include "PlaybackTables.h"

namespace {
// Files measured or waiting to be, before the walk waits for the reports to catch up.
constexpr int kMaxAhead = 1024;

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
    m_events.clear();
    m_kernelDevices = kernelDevices();
    const QString start = FileEntry::absolute(startFolder);
    quint64 device = 0;
    quint64 inode = 0;
    if (FileEntry::identify(start, &device, &inode))
        m_seen.insert({device, inode});
    DurationProbes probes(QThread::idealThreadCount());
    QStringList queue{start};
    // The queue grows while it is walked: that makes the walk breadth first.
    for (qsizetype k = 0; k < queue.size() && !m_cancelled; ++k) {
        const QString folder = queue.at(k); // a copy: visiting appends to the queue
        visit(folder, queue, probes);
        report(probes, false);
    }
    while (!m_events.empty() && !m_cancelled)
        report(probes, true);
}

void Mp3Search::visit(const QString &folder, QStringList &queue, DurationProbes &probes)
{
    FolderListing listing;
    const bool readable = listing.read(folder);
    m_events.push_back({folder, !readable, std::nullopt});
    for (const FolderListing::Entry &file : listing.files()) {
        if (m_cancelled)
            return;
        if (!isMp3Name(file.name))
            continue;
        const QString path = FolderListing::join(folder, file.name);
        m_events.push_back(
            {{}, false, Row{file.name, folder, path, sizeText(file.size), {}}, probes.add(path)});
        // The walk keeps only so far ahead of what is reported.
        while (probes.outstanding() > kMaxAhead && !m_cancelled)
            report(probes, true);
    }
    for (const FolderListing::Entry &sub : listing.folders()) {
        if (m_kernelDevices.contains(sub.device) || m_seen.contains({sub.device, sub.inode}))
            continue;
        m_seen.insert({sub.device, sub.inode});
        queue.append(FolderListing::join(folder, sub.name));
    }
}

void Mp3Search::report(DurationProbes &probes, bool wait)
{
    while (!m_events.empty() && !m_cancelled) {
        Event &event = m_events.front();
        if (event.row) {
            const std::optional<double> seconds = probes.take(event.probe, wait);
            if (!seconds)
                return;
            wait = false;
            event.row->durationText = durationText(*seconds);
            ++m_files;
            emit fileFound(*event.row);
        } else {
            ++m_directories;
            emit folderEntered(event.folder);
            m_unreadable += event.unreadable;
        }
        m_events.pop_front();
    }
}

#include "moc_Mp3Search.cpp"
