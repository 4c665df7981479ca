#pragma once

#include <QString>
#include <QStringList>

class Mp3FileRecord;

// Turns a rename pattern into a file name from a record's tag and header:
//   %a artist, %t album, %n title, %i artist, %y year, %g genre, %c comment (tag, first);
//   %b bit rate, %f sample rate, %s play time in seconds, %m play time as m:ss, %x channel mode,
//   %l layer, %v MPEG version (header, after the optional " (%m)").
// One trailing "-", " " or "_" is dropped; characters a file name cannot hold are replaced or
// removed; ".mp3" is appended when missing.
class RenamePattern {
public:
    struct Name {
        QString fileName;
        // When a trailing separator was dropped: the name before and after, for the caller to
        // show (the renamer shows each in a message box, tavro-cli on stderr).
        QStringList notices;
    };

    // attachTime appends " (%m)" to the name (the renamer's "Attach Time" choice).
    static Name apply(QString pattern, const Mp3FileRecord &record, bool attachTime);
};
