#pragma once

#include <QString>

// The texts the voice recorder shows while it records and encodes.
class RecorderTexts {
public:
    // Elapsed time as "mm:ss": 9 s "00:09", 75 s "01:15" (minutes go past 99 as they come).
    static QString Time(qint64 seconds);
    // Recorded bytes in MiB: 1,048,576 bytes "1.00 MB".
    static QString Size(qint64 bytes);
    // The status line while encoding: 94 blanks, then "Encoding process is x.x %  completed ".
    static QString EncodingProgress(qint64 samplesDone, qint64 totalSamples);
};
