#pragma once

#include <atomic>

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "DiscToc.h"

class WavToMp3Encoder;
class DiscTocEntry;

// Turns tracks of a disc into files, one track after the other: each is ripped into a WAV file
// under a unique name in the user's temporary folder, encoded by the encoder handed in (with its
// preset) into a part file beside the output, moved into place when complete, and the WAV file
// is deleted, also after a cancel or an error. With Wav output the rip goes straight into the
// part file. An output never replaces an existing file unless that file is listed as
// replaceable, and then in one step, so the old file stays whole until the new one is complete.
// The one job behind the encoder window's run (CdToMp3Run, on a worker thread) and
// `tavro-cli rip`. run() works on the calling thread and emits the signals there, after each
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
    // Existing files the run may replace; any other existing output makes the run refuse.
    void setReplaceable(const QStringList &files) { m_replaceable = files; }

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
    // Samples of both channels.
    void encodeProgress(quint8 trackNumber, qint64 samplesDone, qint64 totalSamples);
    void trackFinished(quint8 trackNumber, const QString &file);

private:
    QString checkOutputs() const;
    Result doTracks();
    // False when cancelled.
    bool doTrack(const DiscTocEntry &entry, const QString &output);
    // Rips into wavFile; shownName is what ripStarted names.
    bool rip(const DiscTocEntry &entry, const QString &wavFile, const QString &shownName);
    bool encode(quint8 trackNumber, const QString &wavFile, const QString &mp3File);

    DiscToc m_toc;
    WavToMp3Encoder &m_encoder;
    QList<qint32> m_tracks;
    QString m_chosen;
    Format m_format = Format::Mp3;
    QStringList m_replaceable;
    std::atomic_bool m_cancelled = false;
};
