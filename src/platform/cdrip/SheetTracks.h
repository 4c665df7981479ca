#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// The tracks an image sheet (CUE or TOC) describes, checked as they are added, since libcdio
// trusts what it reads: one BIN of raw 2352-byte sectors that is a regular file, tracks numbered
// from 1 to 99 in order, each with an INDEX 01, indexes increasing and inside the BIN. Every
// refusal comes with its reason. The checked tracks are handed on as a CUE sheet.
class SheetTracks {
public:
    static constexpr qint64 kSectorBytes = 2352;

    // "mm:ss:ff" in sectors of 1/75 second; -1 when it is not one.
    static qint64 sectors(const QByteArray &text);
    // A sheet's text and the absolute folder it lies in, both by the path's own bytes; false
    // when it is not a regular file or too big to be a sheet.
    static bool readSheet(const QString &path, QByteArray &content, QString &folder);
    // The absolute path of a file a sheet in folder names.
    static QString pathIn(const QString &folder, const QByteArray &name);

    // name relative to the sheet's folder; refused when the BIN is missing, not a regular file
    // (a FIFO or a device would block the image library's reads) or shorter than a sector.
    bool setBin(const QString &folder, const QByteArray &name, QString &problem);
    // The BIN, as an absolute path; empty before setBin.
    const QString &binPath() const { return m_binPath; }
    qint64 binSectors() const { return m_binSectors; }

    bool addTrack(int number, const QByteArray &mode, QString &problem);
    bool isEmpty() const { return m_tracks.isEmpty(); }
    qsizetype trackCount() const { return m_tracks.size(); }
    // Of the last track: blank-separated CUE flags (DCP, 4CH, PRE, SCMS).
    void setFlags(const QByteArray &flags) { m_tracks.last().flags = flags; }
    // Of the last track, before its first index.
    bool setPregap(qint64 sectors, QString &problem);
    // Of the last track: its index number at a sector of the BIN.
    bool addIndex(int number, qint64 at, QString &problem);
    // Refused without tracks, or when a track has no INDEX 01.
    bool complete(QString &problem) const;

    // The tracks as a CUE sheet naming binName as its file.
    QByteArray cueText(const QByteArray &binName) const;

private:
    struct Track {
        int number = 0;
        QByteArray mode;
        QByteArray flags;
        qint64 pregap = -1;                // sectors
        QList<QPair<int, qint64>> indexes; // number, sector
    };

    QString m_binPath;
    qint64 m_binSectors = 0;
    QList<Track> m_tracks;
};
