#pragma once

#include <QStringList>

class QWidget;
class ShotStage;

// The MP3 file tools brought into shape for a screenshot; each takes one folder or file.
class Mp3WindowShots {
public:
    // The searcher after a search of the folder.
    static QWidget *searcher(ShotStage &stage, const QStringList &args);
    // The information window for the file.
    static QWidget *info(ShotStage &stage, const QStringList &args);
    // The tags editor's ID3 page with the folder's first MP3 file clicked.
    static QWidget *tags(ShotStage &stage, const QStringList &args);
    // The tags editor's RENAMER page after "RENAME ALL" in the folder (which it renames).
    static QWidget *renamer(ShotStage &stage, const QStringList &args);
};
