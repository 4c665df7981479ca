#pragma once

#include <atomic>
#include <deque>
#include <optional>
#include <utility>

#include <QObject>
#include <QSet>
#include <QString>

class DurationProbes;

// The MP3 searcher's walk: a folder and every folder below it, breadth first (all files of the
// start folder, then those of its subfolders in name order, then the next level). A file counts
// as MP3 when the last three characters of its name are "mp3" in any case. Each found file is
// measured (Mp3Duration) and reported as a Row with the texts the searcher window shows.
//
// On Linux a tree can hold links and mounts: a folder already visited is never entered again
// (links, bind mounts, loops), and the kernel's own file systems (/proc, /sys, ...) are not
// entered. A folder that cannot be opened is counted and skipped.
//
// Files are measured on probe workers (one per processor) while the walk goes on; what run()
// reports comes in the walk's order all the same, from the thread that runs it, and the counts
// are those of what was reported.
//
// run() blocks: the searcher window runs it on a worker thread (its signals then reach the window
// queued) and stops it with cancel(), which the walk checks before each file and each folder.
class Mp3Search : public QObject {
    Q_OBJECT
public:
    struct Row {
        QString name;         // with its extension
        QString folder;       // absolute, without a trailing "/" except the root
        QString path;         // folder and name
        QString sizeText;     // "3.81 MB"
        QString durationText; // "4:5"
    };

    using QObject::QObject;

    void run(const QString &startFolder);
    // From any thread: the walk ends before the next file or folder. Holds for every later run.
    void cancel() { m_cancelled = true; }

    // Counts of the last run, to be read once it has returned.
    int directories() const { return m_directories; } // entered, the unreadable ones included
    int files() const { return m_files; }
    int unreadable() const { return m_unreadable; }

    // Bytes / 1024 / 1024 with two decimals and " MB".
    static QString sizeText(qint64 bytes);
    // Minutes and seconds, unpadded, as "m:s": minutes = rounded seconds \ 60, seconds = the rest
    // rounded, both halves to even (239.4 -> "3:59", 239.6 -> "4:0").
    static QString durationText(double seconds);

signals:
    void folderEntered(const QString &folder);
    void fileFound(const Mp3Search::Row &row);

private:
    // A folder entered, or a file found and the number its length will come under.
    struct Event {
        QString folder;
        bool unreadable = false;
        std::optional<Row> row;
        int probe = 0;
        double seconds = 0;
    };

    void visit(const QString &folder, QStringList &queue, DurationProbes &probes);
    // Reports the events at the front whose files are measured; with wait, waits for the first.
    void report(DurationProbes &probes, bool wait);

    using Identity = std::pair<quint64, quint64>; // device, inode
    std::deque<Event> m_events;
    QSet<Identity> m_seen;
    QSet<quint64> m_kernelDevices;
    int m_directories = 0;
    int m_files = 0;
    int m_unreadable = 0;
    std::atomic_bool m_cancelled = false;
};
