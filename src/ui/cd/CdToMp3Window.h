#pragma once

#include <memory>

#include <QDateTime>
#include <QString>
#include <QWidget>

#include "CdToMp3Run.h"
#include "CdToMp3WindowControls.h"

class CdRipLibrary;

// "TAVRO  MP3  Encoder": lists the drives of the ripping library and the tracks of the disc in
// the chosen one, and turns the selected tracks into MP3 files through CdToMp3Run, one file per
// track (the chosen name for one track, " - Track NN" before ".mp3" for several). The run goes
// on a worker thread; while it does, the window's ways to leave or to start anything are off and
// Cancel reaches it. Its Close button is the only way out (the frame's close box is off), and
// it refuses to close during a run. Errors of the ripping library and of a run are shown in the
// status line (lblInfo).
class CdToMp3Window : public QWidget {
    Q_OBJECT
public:
    // Over the machine's ripping library, or the one handed in. The drives are read once the
    // window is first shown, so that it appears at once.
    explicit CdToMp3Window(std::shared_ptr<CdRipLibrary> library = nullptr,
                           QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectRun();
    void loadDrives();
    // The chosen drive's tracks again, unless a run goes on.
    void relist();
    void loadTrackList();
    void refreshClicked();
    void saveAsClicked();
    void encodeClicked();
    void cancelClicked();
    void showReport(const CdToMp3Run::Report &report);
    void setStatus(const QString &text);
    // Close, Save as, Refresh and the drive list.
    void setLeaveAndListEnabled(bool enabled);

    CdToMp3WindowControls m_ui;
    CdToMp3Run m_run;
    // An existing file "Save as" returned: the dialog had the user agree to replace it.
    QString m_agreedToReplace;
    QDateTime m_start;
    bool m_drivesRead = false;
};
