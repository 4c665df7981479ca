#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

// What a drop onto the play list adds: .mp3 files, the entries of .m3u play lists (read as Open
// reads them) and the .mp3 files of folders, sorted by name (Open does not go into folders, so
// neither does a drop go below the folder itself). Other files and anything that is not a local
// file are passed over.
class DroppedFiles {
public:
    explicit DroppedFiles(const QList<QUrl> &urls);

    // True when the drop holds at least one file or folder it can add from.
    bool isUsable() const { return !m_usable.isEmpty(); }
    // The play-list entries, in the order of the drop.
    QStringList entries() const;

private:
    enum class Kind { Mp3, PlayList, Folder };
    struct Usable {
        QString path;
        Kind kind;
    };

    static bool hasSuffix(const QString &path, QLatin1StringView suffix);

    QList<Usable> m_usable;
};
