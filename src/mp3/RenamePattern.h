#pragma once

#include <QString>

class Mp3FileRecord;

// Turns a rename pattern into a file name from a record's tag and header:
//   %a artist, %t album, %n title, %i artist, %y year, %g genre, %c comment (tag, first);
//   %b bit rate, %f sample rate, %s play time in seconds, %m play time as m:ss, %x channel mode,
//   %l layer, %v MPEG version (header, after the optional " (%m)").
// One trailing "-" or "_" is dropped, with a message before and after; characters a file name
// cannot hold are replaced or removed; ".mp3" is appended when missing.
class RenamePattern {
public:
    // 1 appends " (%m)" to every name (the tags editor's "Attach Time" choice); anything else not.
    static inline int AttachTime = 0;

    static QString fileName(QString pattern, const Mp3FileRecord &record);
};
