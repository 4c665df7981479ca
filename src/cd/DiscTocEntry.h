#pragma once

#include <QString>
#include <QtGlobal>

// One track of a table of contents, with its times and sizes. Sectors are library addresses
// (0 = the first sector after the 150-sector lead-in); the end sector is the start of the next
// entry. Times count 75 frames (sectors) a second. Made by DiscToc only.
class DiscTocEntry {
public:
    qint32 StartSector() const { return m_startSector; }
    qint32 EndSector() const { return m_endSector; }
    quint8 TrackNumber() const { return m_trackNumber; }
    // 0-based library drive the track is on.
    qint32 DriveIndex() const { return m_driveIndex; }
    // Start as a disc address: StartSector + 150.
    qint64 Offset() const { return qint64(m_startSector) + kLeadInSectors; }

    qint64 StartTimeMinutes() const;
    qint64 StartTimeSeconds() const;
    // Bytes of 44100 Hz 16-bit stereo audio: 2352 a sector.
    qint64 SizeBytes() const;
    // "m:ss.ff", ff being the frames as sixtieths of a second (frames x 60 / 75): "0:02.00".
    QString FormattedStartTime() const;
    QString FormattedLength() const;

    static constexpr qint64 kLeadInSectors = 150;

private:
    friend class DiscToc;
    DiscTocEntry(qint32 driveIndex, qint32 startSector, qint32 endSector, quint8 trackNumber);

    qint64 length() const { return qint64(m_endSector) - m_startSector; }

    qint32 m_driveIndex;
    qint32 m_startSector;
    qint32 m_endSector;
    quint8 m_trackNumber;
};
