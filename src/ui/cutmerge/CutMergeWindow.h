#pragma once

#include <functional>
#include <memory>

#include <QStringList>
#include <QTimer>
#include <QWidget>

#include "CutMergeWindowControls.h"
#include "WorkerRun.h"

class MediaComponent;
class Mp3Cutter;
class Mp3Merger;

// "TAVRO  MP3  CUTTER  &  MERGER". The cutter plays the files opened here through the main
// window's media component, marks a beginning and an end in whole seconds and saves the bytes
// between them (Mp3Cutter); the merger joins two chosen files (Mp3Merger). Both write on a worker
// thread, one job at a time: a Cut or Merge pressed while one runs does nothing, and Close waits
// for the job to stop. Close asks the main window to stop its component and show no playback.
class CutMergeWindow : public QWidget {
    Q_OBJECT
public:
    explicit CutMergeWindow(MediaComponent &media, QWidget *parent = nullptr);
    ~CutMergeWindow() override;

signals:
    void playerResetRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectCutter();
    void connectMerger();
    void openClicked();
    void listClicked();
    void playClicked();
    void tick();
    void markClicked(bool beginning);
    void cutClicked();
    void showCut(const QString &output, qint32 newLength);
    void refreshClicked();
    void browseClicked(int index);
    void mergeClicked();
    // The chosen file name; empty for a cancelled dialog or a name of one blank.
    QString askFile(bool save);
    QString currentPath() const;
    bool hasCurrentFile() const;
    void setSlider(int maximum, int value);
    void startJob(std::function<bool()> job, std::function<void()> stop,
                  std::function<void()> whenDone);
    void jobEnded();

    CutMergeWindowControls m_ui;
    MediaComponent &m_media;
    QStringList m_paths; // the file list's full paths, index for index
    QString m_lastOpened;
    qint32 m_beginMark = 0;
    qint32 m_endMark = 0;
    QTimer m_tick;
    bool m_settingSlider = false;
    // The file dialog's state, shared by both sections.
    QString m_filter;
    QString m_dialogName;
    QString m_basePath;
    QString m_attachmentPath;

    std::unique_ptr<Mp3Cutter> m_cutter;
    std::unique_ptr<Mp3Merger> m_merger;
    bool m_jobSucceeded = false;
    std::function<void()> m_whenDone;
    bool m_closeWhenEnded = false;
    WorkerRun m_run; // last: its destructor stops the job and waits before the rest goes
};
