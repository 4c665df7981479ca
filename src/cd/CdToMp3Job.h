#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include "DiscToc.h"

class WavToMp3Encoder;
class DiscTocEntry;

// Turns tracks of a disc into files, one track after the other: each is ripped into a WAV file
// under a unique name in the temporary folder (the user's, unless set), encoded by the encoder
// handed in (with its preset) into a part file beside the output, moved into place when complete,
// and the WAV file is deleted, also after a cancel or an error. With Wav output the rip goes
// straight into the part file. The one job behind the encoder window and `tavro-cli rip`. Runs on
// the calling thread; the signals come after each chunk, so that a window can process its events
// there and a Cancel button can reach cancel().
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
    // Existing outputs are refused unless this is set; then each is replaced when its new file
    // is complete.
    void setReplaceExisting(bool replace) { m_replace = replace; }
    // Where the temporary WAV files go; empty means the user's temporary folder.
    void setTemporaryFolder(const QString &folder) { m_temporaryFolder = folder; }

    // The file for a track: the chosen name itself for a run of one track; for several, the
    // chosen name with " - Track NN" before its ".mp3" or ".wav" (or at its end). A "%N" in the
    // chosen name is replaced by NN instead, whatever the count.
    static QString OutputFileFor(const QString &chosen, quint8 trackNumber, bool several);
    // The files a run would write, in track order; empty for a position not in the table.
    QStringList outputFiles() const;

    // Checks every output first, so that a refused run writes nothing. Clears an earlier cancel.
    Result run();
    // Honoured after the current chunk of ripping or encoding.
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
    // False when cancelled.
    bool doTrack(const DiscTocEntry &entry, const QString &output);
    bool rip(const DiscTocEntry &entry, const QString &wavFile);
    bool encode(quint8 trackNumber, const QString &wavFile, const QString &mp3File);
    QString temporaryFolder() const;

    DiscToc m_toc;
    WavToMp3Encoder &m_encoder;
    QList<qint32> m_tracks;
    QString m_chosen;
    Format m_format = Format::Mp3;
    bool m_replace = false;
    QString m_temporaryFolder;
    bool m_cancelled = false;
};
