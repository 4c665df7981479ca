#pragma once

#include <memory>
#include <optional>

#include <QDateTime>
#include <QList>
#include <QString>
#include <QWidget>

#include "CdDrives.h"
#include "CdToMp3Job.h"
#include "CdToMp3WindowControls.h"
#include "WavToMp3Encoder.h"

class CdRipLibrary;

// "TAVRO  MP3  Encoder": lists the drives of the ripping library and the tracks of the disc in
// the chosen one, and turns the selected tracks into MP3 files through CdToMp3Job, one file per
// track (the chosen name for one track, " - Track NN" before ".mp3" for several). The run stays
// on the UI thread and processes window events after every chunk, so Cancel reaches it while
// ripping and while encoding. Its Close button is the only way out (the frame's close box is
// off), and it refuses to close during a run. Errors of the ripping library and of a run are
// shown in the status line (lblInfo).
class CdToMp3Window : public QWidget {
    Q_OBJECT
public:
    // Over the machine's ripping library, or the one handed in. The drives are read once the
    // window is first shown, so that it appears at once.
    explicit CdToMp3Window(std::shared_ptr<CdRipLibrary> library = nullptr,
                           QWidget *parent = nullptr);

    // Rips and encodes the queued tracks of RipTOC; returns when they are done, cancelled or
    // failed.
    CdToMp3Job::Result RipSelected();
    // Folder of the temporary WAV files; a "/" is appended when it does not end in one.
    void setOutputDir(const QString &folder);
    void setRipTOC(const DiscToc &toc) { m_ripToc = toc; }
    // Queues track n (a position in RipTOC, from 1) unless it is queued already.
    void RipTrack(qint32 n);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void LoadDrives();
    void LoadTrackList();
    void listTracks(const DiscToc &toc);
    void addMessageRow(const QString &text);
    // The selected drive when it holds a disc; otherwise why not, as a track-list row text.
    std::optional<CdDrive> readyDrive(QString &why);
    void relist();
    void cmdRefresh_Click();
    void cmdPickMp3File_Click();
    void cmdRip_Click();
    void cmdCancel_Click();
    void connectJob(CdToMp3Job &job);
    void showOutcome(const CdToMp3Job::Result &result);
    void showTimes(const CdToMp3Job::Result &result);
    void setStatus(const QString &text);
    // Close, Save as, Refresh and the drive list.
    void setLeaveAndListEnabled(bool enabled);

    CdToMp3WindowControls m_ui;
    CdDrives m_cdRip;
    WavToMp3Encoder m_cEncoder;
    std::optional<DiscToc> m_ripToc;
    QList<qint32> m_queue; // positions in m_ripToc
    QString m_outputDir;
    CdToMp3Job *m_job = nullptr; // the run in progress
    bool m_wavMade = false;      // the last run made a temporary WAV file
    QDateTime m_start;
    bool m_drivesRead = false;
};
