#pragma once

#include <functional>
#include <memory>

#include <QWidget>

#include "RenameJournal.h"
#include "TagRenamer.h"
#include "WorkerRun.h"

class ChameleonButton;
class FileListBox;
class QButtonGroup;
class QCheckBox;
class QListWidget;
class WorkingFolderBox;

// The tags editor's "RENAMER" page: renames the selected MP3 file, or every one listed, after its
// tag (TagRenamer) with the pattern the arrangement and separator choices make (RenameChoices);
// "Attach Time(00:00)" adds the play time. Every attempt is logged in lv. The RENAME buttons
// wait until an arrangement is chosen, so no rename runs without a pattern. PREVIEW logs what
// RENAME ALL would do; UNDO LAST RENAME takes back the last run's renames (RenameJournal).
//
// The renames run on a worker thread (WorkerRun); each result arrives queued and is shown as it
// comes: the pattern's notices in message boxes, then the log line. While a run goes on, both
// RENAME buttons are disabled; when it ends the file list is read again.
class RenamerPage : public QWidget {
    Q_OBJECT
public:
    explicit RenamerPage(QWidget *parent = nullptr);

    // Makes `folder` the page's folder; the file list follows.
    void setFolder(const QString &folder);
    void renameSelected();
    void renameAll();
    // Logs what RENAME ALL would do, renaming nothing.
    void preview();
    // Gives the files of the last run (of this page or of tavro-cli rename) their old names back.
    void undoLastRename();
    // Stops a run after the file being renamed; its results still arrive.
    void stopRenaming();

signals:
    void changeDirectoryRequested();

private:
    QWidget *buildFolderColumn();
    QWidget *buildChoices();
    QButtonGroup *addChoiceGroup(QWidget *box, const QStringList &captions, const char *name);
    QString pattern() const;
    void enableRenaming();
    void renameListed(bool previewOnly);
    void startRename(const QStringList &names, bool previewOnly);
    void startRun(const std::function<void(TagRenamer &)> &work);
    void report(const TagRenamer::Result &result);
    void runEnded();
    void log(const QString &line, bool renamed);

    WorkingFolderBox *m_folder = nullptr;
    FileListBox *m_fileList = nullptr;
    QButtonGroup *m_arrangements = nullptr;
    QButtonGroup *m_separators = nullptr;
    QCheckBox *m_attachTime = nullptr;
    ChameleonButton *m_renameSelected = nullptr;
    ChameleonButton *m_renameAll = nullptr;
    ChameleonButton *m_preview = nullptr;
    ChameleonButton *m_undo = nullptr;
    QListWidget *m_lv = nullptr;
    // A message box of one result runs its own event loop, in which later results and the end
    // of the run may arrive: they wait here so that everything shows in order.
    QList<TagRenamer::Result> m_waiting;
    bool m_reporting = false;
    bool m_endWaiting = false;
    // Set from start to end of a run. It outlives its thread: m_run, declared after it, waits.
    RenameJournal m_journal;
    std::unique_ptr<TagRenamer> m_renamer;
    WorkerRun m_run;
};
