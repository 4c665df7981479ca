#pragma once

#include <atomic>
#include <functional>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "DiscToc.h"
#include "TrackEncoderPool.h"

class WavToMp3Encoder;
class DiscTocEntry;

// Turns tracks of a disc into files. The drive reads one track after the other into an unnamed
// WAV file in the user's temporary folder; while it reads the next, encoder workers (jobs, each
// with the settings of the encoder handed in) encode the tracks read into unnamed files beside
// their outputs, linked into place when complete; at most jobs WAV files exist at a time, and
// each goes once encoded, also after a cancel or an error. The files are the same bytes whatever
// the number of workers. With Wav output the rip goes straight into the unnamed output. An output
// never replaces an existing file unless that file is listed as replaceable, and then in one
// step, so the old file stays whole until the new one is complete. The first error stops the
// rest. The one job behind the encoder window's run (CdToMp3Run, on a worker thread) and
// `tavro-cli rip`. run() works on the calling thread and emits every signal there, after each
// chunk; cancel() may come from any thread.
class CdToMp3Job : public QObject {
    Q_OBJECT
public:
    enum class Format { Mp3, Wav };
    enum class Outcome { Done, Cancelled, Failed };
    struct Result {
        Outcome outcome = Outcome::Done;
        QStringList files; // outputs written completely, in track order
        QString error;     // why a run failed
    };

    CdToMp3Job(const DiscToc &toc, WavToMp3Encoder &encoder, QObject *parent = nullptr);

    // Positions in the table of contents (1..Count), done in this order.
    void setTracks(const QList<qint32> &positions) { m_tracks = positions; }
    // The chosen output name (see OutputFileFor).
    void setOutputFile(const QString &chosen) { m_chosen = chosen; }
    void setFormat(Format format) { m_format = format; }
    Format format() const { return m_format; }
    // Existing files the run may replace; any other existing output makes the run refuse.
    void setReplaceable(const QStringList &files) { m_replaceable = files; }
    // Encoder workers; 1 until set.
    void setJobs(int workers) { m_jobs = std::max(workers, 1); }

    // The file for a track: the chosen name itself for a run of one track; for several, the
    // chosen name with " - Track NN" before its ".mp3" or ".wav" (or at its end). A "%N" in the
    // chosen name is replaced by NN instead, whatever the count.
    static QString OutputFileFor(const QString &chosen, quint8 trackNumber, bool several);
    // The files a run would write, in track order; empty for a position not in the table.
    QStringList outputFiles() const;

    // Checks every output first, so that a refused run writes nothing.
    Result run();
    // Honoured after the current chunk of ripping or encoding (by a run not started yet, at its
    // first chunk); cleared when the run ends.
    void cancel() { m_cancelled = true; }

signals:
    void ripStarted(quint8 trackNumber, const QString &wavFile);
    void ripProgress(quint8 trackNumber, qint32 percent);
    // The WAV file is complete; encoding starts.
    void ripFinished(quint8 trackNumber);
    // Samples of both channels. With several workers the tracks' reports interleave.
    void encodeProgress(quint8 trackNumber, qint64 samplesDone, qint64 totalSamples);
    // The file is complete; with several workers tracks may finish out of order.
    void trackFinished(quint8 trackNumber, const QString &file);

private:
    QString checkOutputs() const;
    Result doTracks();
    void ripToWav(Result &result);
    void ripAndEncode(Result &result);
    // Rips the track at index of the run into a new WAV file; no WAV file when cancelled.
    TrackEncoderPool::Track ripTrack(int index, const QString &output,
                                     const std::function<void()> &eachChunk);
    // Rips into wavFile, calling eachChunk after each chunk; shownName is what ripStarted names.
    // False when cancelled.
    bool rip(const DiscTocEntry &entry, const QString &wavFile, const QString &shownName,
             const std::function<void()> &eachChunk);
    // Waits for the encoders; the files done go into result, in track order.
    static void finishEncoding(TrackEncoderPool &pool, const TrackEncoderPool::Handler &report,
                               const QList<bool> &done, const QStringList &files, Result &result);
    // A track's error, naming the track when the run has several.
    static QString trackError(quint8 trackNumber, const QString &error, qsizetype tracks);

    DiscToc m_toc;
    WavToMp3Encoder &m_encoder;
    QList<qint32> m_tracks;
    QString m_chosen;
    Format m_format = Format::Mp3;
    QStringList m_replaceable;
    int m_jobs = 1;
    std::atomic_bool m_cancelled = false;
};
