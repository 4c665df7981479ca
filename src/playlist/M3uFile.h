#pragma once

#include <QString>
#include <QStringList>

// M3U play lists: one path per line, no header, nothing interpreted ("#" lines are entries too).
// Paths are kept as the file system's bytes (FileNameCodec), names that are not UTF-8 included;
// lines are written with CR LF.
class M3uFile {
public:
    // Appends every line, trailing blanks removed, to list. False when the file cannot be read.
    // A hostile file is cut short: at most kMaxEntries lines of at most kMaxLineBytes each.
    static bool OpenPlaylist(const QString &fileName, QStringList &list);
    // Replaces the file as a whole (never leaves it half written). False when that fails, and
    // when an entry cannot be stored (see unstorable): then nothing is written.
    static bool SavePlaylist(const QString &fileName, const QStringList &list);
    // The first entry holding a line break (LF or CR), which one line cannot hold; empty when
    // every entry can be stored.
    static QString unstorable(const QStringList &list);

    static constexpr int kMaxEntries = 100000;
    static constexpr int kMaxLineBytes = 64 * 1024;
};
