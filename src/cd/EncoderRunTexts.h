#pragma once

#include <QString>
#include <QTime>

// The texts the encoder window shows about a run: its status lines, clock and elapsed times,
// the new files' size and the encoding progress.
class EncoderRunTexts {
public:
    // "Ripping track 7  to /tmp/tavro-rip-ab12Cd.wav..."
    static QString Ripping(quint8 trackNumber, const QString &wavFile);
    // "Temporary wave file has been generated for track 7"
    static QString WavReady(quint8 trackNumber);
    // " 09 : 05 : 03 ", the start time.
    static QString StartTime(const QTime &time);
    // "09:05:03", the end time.
    static QString EndTime(const QTime &time);
    // " 00 : 03 : 07 "; hours go on past 23.
    static QString Elapsed(qint64 seconds);
    // "New mp3 File Size  :  3.52MB" (MB of 1048576 bytes).
    static QString NewSize(qint64 bytes);
    // " Encoding process is 42.5 %  completed "; a total of 0 counts as done.
    static QString EncodingProgress(qint64 samplesDone, qint64 totalSamples);
};
