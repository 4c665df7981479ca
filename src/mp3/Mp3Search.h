#pragma once

#include <utility>

#include <QObject>
#include <QSet>
#include <QString>

#include "Mp3Duration.h"

// The MP3 searcher's walk: a folder and every folder below it, breadth first (all files of the
// start folder, then those of its subfolders in name order, then the next level). A file counts
// as MP3 when the last three characters of its name are "mp3" in any case. Each found file is
// measured (Mp3Duration) and reported as a Row with the texts the searcher window shows.
//
// On Linux a tree can hold links and mounts: a folder already visited is never entered again
// (links, bind mounts, loops), and the kernel's own file systems (/proc, /sys, ...) are not
// entered. A folder that cannot be opened is counted and skipped.
//
// run() blocks. It raises yieldPoint once per folder and after every 100 entries, so that a
// window can process its events there (the Search handler's loop runs on the UI thread).
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

    static constexpr int kYieldEvery = 100;

    using QObject::QObject;

    void run(const QString &startFolder);

    int directories() const { return m_directories; } // entered, the unreadable ones included
    int files() const { return m_files; }
    int unreadable() const { return m_unreadable; }

    // Bytes / 1024 / 1024 with two decimals and " MB".
    static QString sizeText(qint64 bytes);
    // Minutes and seconds, unpadded, as "m:s": minutes = rounded seconds \ 60, seconds = the rest
    // rounded, both halves to even (239.4 -> "3:59", 239.6 -> "4:0").
    static QString durationText(double seconds);
    static bool isMp3Name(const QString &name);

signals:
    void folderEntered(const QString &folder);
    void fileFound(const Mp3Search::Row &row);
    void yieldPoint();

private:
    void visit(const QString &folder, QStringList &queue);
    void countEntry();

    using Identity = std::pair<quint64, quint64>; // device, inode
    Mp3Duration m_duration;
    QSet<Identity> m_seen;
    QSet<quint64> m_kernelDevices;
    int m_directories = 0;
    int m_files = 0;
    int m_unreadable = 0;
    int m_entries = 0;
};
