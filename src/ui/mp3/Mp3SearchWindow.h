#pragma once

#include <QWidget>

#include "Mp3Search.h"

class ChameleonButton;
class DirListBox;
class DriveListBox;
class FileListBox;
class Playlist;
class QLabel;
class QTreeWidget;

// "TAVRO MP3 SEARCHER": walks the folder list's folder and every folder below it (Mp3Search),
// lists each MP3 file with its folder, size and duration in lv1 and appends it to the main
// window's play list (its path, shown by its name with the extension). Its Close button is the
// only way out (the frame's close box is off).
//
// Play-list pairing: when the play list already holds two or more entries, a search first adds
// one separator entry, shown as " NEXT DIRECTORY" with an empty path, so the two lists keep the
// same length and every name stays beside its own path; nothing is added after the results and
// the selection stays where it was.
class Mp3SearchWindow : public QWidget {
    Q_OBJECT
public:
    explicit Mp3SearchWindow(Playlist &playlist, QWidget *parent = nullptr);

    // The "Search" handler; returns when the walk is done.
    void Search();

private:
    void buildLists();
    void buildStatus();
    QLabel *addLabel(const char *name, const QString &caption, const QRect &geometry);
    void addRow(const Mp3Search::Row &row);
    void setStatus(const QString &text, quint32 color);

    Playlist &m_playlist;
    DriveListBox *m_drive1 = nullptr;
    DirListBox *m_dir1 = nullptr;
    FileListBox *m_file1 = nullptr;
    QTreeWidget *m_lv1 = nullptr;
    QLabel *m_status = nullptr;
    QLabel *m_directories = nullptr;
    QLabel *m_files = nullptr;
    ChameleonButton *m_search = nullptr;
    ChameleonButton *m_close = nullptr;
};
