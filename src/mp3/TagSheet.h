#pragma once

#include <QString>
#include <QStringList>

class Mp3FileRecord;

// What the tags editor shows of one record and writes back: the six tag texts (title, artist,
// album, year, comment, genre), the nine header lines, and the text a year or genre choice list
// shows for a tag value.
class TagSheet {
public:
    static constexpr int kFieldCount = 6;

    // The six tag texts in editor order; all empty when the file has no tag.
    static QStringList fields(const Mp3FileRecord &record);
    // "Version: 1.0", "Layer: 3", ... "Valid Header: YES": the editor's nine header lines.
    static QStringList infoLines(const Mp3FileRecord &record);
    // Assigns the six texts in editor order, each one writing the whole tag (so the first may
    // append a tag and the next five overwrite it). False when any write failed.
    static bool write(Mp3FileRecord &record, const QStringList &fields);

    // The text a choice list shows for a tag value: `current` when the value is empty, the value
    // when it is one of `entries` (exactly), otherwise "Unknown".
    static QString choiceText(const QStringList &entries, const QString &value,
                              const QString &current);
};
