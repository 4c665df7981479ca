#pragma once

#include <memory>

#include <QWidget>

#include "Mp3Search.h"
#include "WorkerRun.h"

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
//
// The walk runs on a worker thread (WorkerRun); rows and the folder count arrive queued, in the
// walk's order. While it runs, Search and Close are disabled; a close request then stops the walk
// and the window closes once it has ended.
class Mp3SearchWindow : public QWidget {
    Q_OBJECT
public:
    explicit Mp3SearchWindow(Playlist &playlist, QWidget *parent = nullptr);

    // The "Search" handler: starts the walk of the folder list's folder and returns; nothing
    // while a walk runs.
    void Search();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildLists();
    void buildStatus();
    void addRow(const Mp3Search::Row &row);
    void searchEnded();
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
    int m_foldersEntered = 0;
    bool m_closeWhenEnded = false;
    // The walk outlives its thread: m_run, declared after it, waits for the thread first.
    std::unique_ptr<Mp3Search> m_walk;
    WorkerRun m_run;
};
