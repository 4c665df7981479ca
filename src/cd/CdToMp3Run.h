#pragma once

#include <memory>
#include <optional>

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "CdDriveList.h"
#include "CdToMp3Job.h"
#include "WavToMp3Encoder.h"
#include "WorkerRun.h"

class CdRipLibrary;

// The encoder window's runs: owns the ripping library's drives, the encoder, the table of
// contents listed last and the tracks queued for a run, and runs CdToMp3Job on a worker thread.
// Everything it reports arrives as signals on its own thread, in the order the job made it.
// While a run goes on, only the worker touches the library and the encoder: listing and starting
// do nothing, and a preset chosen meanwhile waits for the next run. Destroying it cancels a run
// and waits for the worker to end.
class CdToMp3Run : public QObject {
    Q_OBJECT
public:
    // Why no disc is listed: a track-list row ("No CD Selected", "No CD In Drive") or a library
    // error for the status line; both empty when disc() holds the table.
    using Listing = CdDriveList::Listing;
    struct Report {
        CdToMp3Job::Outcome outcome = CdToMp3Job::Outcome::Done;
        QString status;       // the status line after a cancel or a failure; empty when done
        bool wavMade = false; // a temporary WAV file was made (and deleted)
        QStringList files;    // written completely, in track order
        QString newSize;      // "New mp3 File Size  :  x.xxMB" of those files
    };

    // Over the machine's ripping library, or the one handed in.
    explicit CdToMp3Run(std::shared_ptr<CdRipLibrary> library = nullptr, QObject *parent = nullptr);

    // Starts the library with the user's settings and gives its drives' names; a library error
    // leaves its text in error (and the names read before it). Nothing while a run goes on.
    QStringList loadDrives(QString &error);
    // Reads the table of contents of the drive at driveIndex (from 0; -1 for none). While a run
    // goes on nothing is read and disc() stays as it is.
    Listing listDisc(qint32 driveIndex);
    // The table listDisc read last; null when it read none.
    const DiscToc *disc() const { return m_disc ? &*m_disc : nullptr; }
    void setEncodingPreset(int code) { m_preset = code; }

    // Starts turning the listed disc's tracks at these positions (from 1; repeats dropped) into
    // files named after output (CdToMp3Job::OutputFileFor), replacing only the existing files in
    // replaceable, when the drive at driveIndex still holds a disc. Returns why nothing started
    // (also while a run goes on), or an empty text.
    QString start(qint32 driveIndex, const QList<qint32> &positions, const QString &output,
                  const QStringList &replaceable);
    bool isRunning() const { return m_worker.isRunning(); }
    // Reaches the job while it rips and while it encodes.
    void cancel();

signals:
    void statusChanged(const QString &text);
    // A track's rip starts at 0 percent.
    void ripStarted();
    void ripProgress(qint32 percent);
    // The track's WAV file is complete; its encoding starts.
    void encodingStarted();
    // Samples of both channels, and " Encoding process is x.x %  completed ".
    void encodeProgress(qint64 samplesDone, qint64 totalSamples, const QString &text);
    void trackFinished(quint8 trackNumber, const QString &file);
    void finished(const CdToMp3Run::Report &report);

private:
    // The drive at driveIndex when it holds a disc; otherwise why not, as a track-list row.
    void connectJob();
    void finish();

    CdDriveList m_drives;
    WavToMp3Encoder m_encoder;
    std::optional<DiscToc> m_disc;
    QList<qint32> m_queue;       // positions in m_disc
    std::optional<int> m_preset; // applied when a run starts
    std::unique_ptr<CdToMp3Job> m_job;
    CdToMp3Job::Result m_result; // written by the worker
    bool m_wavMade = false;
    // A run of several tracks with several encoders shows the whole run: its ripping and its
    // encoding each as one bar, since the tracks' reports interleave.
    // No member initialisers: std::optional would not see it as constructible inside this class.
    struct WholeRun {
        int tracks;
        int ripped;
        qint64 totalSamples; // 16-bit samples of both channels
        QHash<quint8, qint64> encoded;
    };
    std::optional<WholeRun> m_whole;
    // Last, so that it is destroyed first: it cancels the job and waits while the job still exists.
    WorkerRun m_worker;
};
