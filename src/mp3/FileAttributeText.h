#pragma once

#include <QString>

// The attribute text of a file ("R", "H", "S", "A" in that order, or "Normal"), mapped onto Linux:
// - "R" (read-only) is the owner's write permission: read-only means no owner write bit.
// - "H" (hidden) is read for a name starting with "."; setting or clearing it changes nothing,
//   since hiding would mean renaming the file.
// - "S" (system) and "A" (archive) have no Linux counterpart: never read, ignored when set.
class FileAttributeText {
public:
    // "-1" when the file does not exist.
    static QString read(const QString &path);
    // "NORMAL" in any case clears read-only. Otherwise, case-sensitively, "R" sets it, "r" keeps
    // it as it is, and its absence clears it. Nothing happens to a missing file.
    static void write(const QString &path, const QString &text);
};
