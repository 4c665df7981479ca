#pragma once

#include <QString>

// How a play-list entry is shown: the file name without its last extension.
class DisplayName {
public:
    // The text after the last "/" of a path; the whole text when there is none.
    static QString GetFileName(const QString &path);
    // The text before the last "."; empty when the name holds no "." (such an entry shows blank).
    static QString StripExtension(const QString &name);
    static QString of(const QString &path) { return StripExtension(GetFileName(path)); }
};
