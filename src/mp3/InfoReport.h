#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "Mp3FileRecord.h"
#include "Mp3PlayTime.h"

// Everything the MP3 information window shows about one file, read the way the window reads
// it: a fresh file record (FullName, ReadMP3Info) and a fresh play-time analyser (Filename,
// refresh). Gives it as text blocks or as one JSON object per file.
class InfoReport {
public:
    explicit InfoReport(const QString &path);

    struct Line {
        QString caption;
        QString value;
    };

    bool fileExists() const { return !m_readInfo.isValid(); }
    // The window's captions, each with its value, in the window's order ("File Name :" first).
    QList<Line> lines() const;
    // The same lines as text: caption, a blank, value, one line each.
    QString text() const;
    // {"file", "clsMP3": every getter, ReadMP3Info, ReadHeader; "clsMP3time": every field, refresh}
    QString json() const;

private:
    QString m_path;
    Mp3FileRecord m_record;
    QVariant m_readInfo;
    QString m_readHeader;
    Mp3PlayTime m_time;
    bool m_valid = false;
};
