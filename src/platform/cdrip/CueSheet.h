#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A CUE sheet checked before an image library sees it, since libcdio trusts what it reads: one
// FILE of raw BINARY sectors naming an existing regular file, tracks numbered from 1 to 99 in
// order with raw 2352-byte sectors, each with an INDEX 01, indexes increasing and inside the
// file. Titles, performers and other remarks are left out; anything else is refused.
class CueSheet {
public:
    // False, with nothing kept, when the sheet breaks a rule or its file is not there.
    bool read(const QString &cuePath);

    // The BIN the sheet names, as an absolute path.
    const QString &binPath() const { return m_binPath; }
    // The sheet as checked, naming binName as its file.
    QByteArray text(const QByteArray &binName) const;

private:
    struct Track {
        int number = 0;
        QByteArray mode;
        QByteArray flags;
        qint64 pregap = -1;                // sectors
        QList<QPair<int, qint64>> indexes; // number, sector
    };

    bool parseLine(const QList<QByteArray> &words, const QString &folder);
    bool addTrack(const QList<QByteArray> &words);
    bool addIndex(const QList<QByteArray> &words);
    bool complete() const;

    QString m_binPath;
    qint64 m_binSectors = 0;
    QList<Track> m_tracks;
};
