#pragma once

#include <QString>

#include "FrameTables.h"

// The play-time analyser: finds the first frame header of any MPEG version and layer in the
// first 4096 bytes of a file and derives frame size, frame count and play time from the file
// size. refresh() reads the file synchronously.
class Mp3PlayTime {
public:
    Mp3PlayTime();

    // Clears every result and stores the name.
    void setFilename(const QString &name);
    QString Filename() const { return m_filename; }

    // Analyses the file and says whether it is valid. A missing or unreadable file, one shorter
    // than 4096 bytes or one without an accepted header in them is not valid and keeps every
    // result cleared (FileSize aside).
    bool refresh();

    // Bits per second.
    qint32 Bitrate() const { return m_f.Bitrate; }
    // True when the header says no CRC follows it.
    bool CRCProtected() const { return m_f.CRCProtected; }
    qint32 Frames() const { return m_f.Frames; }
    qint32 FrameSize() const { return m_f.FrameSize; }
    qint32 seconds() const { return m_f.seconds; }
    // Hz; 99999 for the reserved rate code.
    qint32 Frequency() const { return m_f.Frequency; }
    // 64-bit so that files of 2 GiB and more keep their real length.
    qint64 FileSize() const { return m_f.FileSize; }
    quint8 Version() const { return m_f.Version; }
    QString VersionText() const { return m_f.VersionText; }
    quint8 Layer() const { return m_f.Layer; }
    QString LayerText() const { return m_f.LayerText; }
    bool Padding() const { return m_f.Padding; }
    bool PrivateBit() const { return m_f.PrivateBit; }
    quint8 ChannelMode() const { return m_f.ChannelMode; }
    QString ChannelModeText() const { return m_f.ChannelModeText; }
    quint8 ChannelModeExtention() const { return m_f.ChannelModeExtention; }
    bool Copyright() const { return m_f.Copyright; }
    bool Original() const { return m_f.Original; }
    quint8 Emphasis() const { return m_f.Emphasis; }
    QString EmphasisText() const { return m_f.EmphasisText; }

private:
    struct Fields {
        qint32 Bitrate = 0;
        bool CRCProtected = false;
        qint32 Frames = 0;
        qint32 FrameSize = 0;
        qint32 seconds = 0;
        qint32 Frequency = 0;
        qint64 FileSize = 0;
        quint8 Version = 0;
        QString VersionText;
        quint8 Layer = 0;
        QString LayerText;
        bool Padding = false;
        bool PrivateBit = false;
        quint8 ChannelMode = 0;
        QString ChannelModeText;
        quint8 ChannelModeExtention = 0;
        bool Copyright = false;
        bool Original = false;
        quint8 Emphasis = 0;
        QString EmphasisText;
    };

    // Scans for a header whose rate and bit rate are usable, decoding version, layer, protection,
    // bit rate and frequency on the way. Returns the 1-based position of the header's second byte
    // (the one after the sync), or -1.
    int scan(const QByteArray &bytes);
    void decodeRates(quint8 h1, quint8 h2);
    void decodeRest(quint8 h2, quint8 h3);
    void deriveSizes(int rateIndex);
    bool isValid() const;

    const FrameTables &m_tables;
    QString m_filename;
    Fields m_f;
};
