#pragma once

#include <atomic>
#include <optional>

#include <QObject>
#include <QString>

#include "UnnamedFile.h"
#include "VoiceRecording.h"
#include "WavToMp3Encoder.h"
#include "WorkerRun.h"

class SoundCommands;

// The voice recorder's flow, shared by its window and tavro-cli: records from the default input
// into a temporary WAV file of its own (an unnamed file in the user's temporary folder, which no
// crash can leave behind), then encodes it into an MP3 file on a worker thread with the one
// encoder it keeps, and drops the WAV file whether the encoding worked or not. One recording or
// one encoding at a time. The MP3 file is written unnamed beside its own and linked into place
// when complete, so an existing file is never half-overwritten. Destroying it cancels an
// encoding and waits for it.
class VoiceRecorder : public QObject {
    Q_OBJECT
public:
    explicit VoiceRecorder(SoundCommands &sound, QObject *parent = nullptr);

    // 44100 until set; used by the next recording.
    void setSamplesPerSecond(int rate) { m_samplesPerSecond = rate; }
    // Applied when the next encoding starts.
    void setEncodingPreset(int code) { m_preset = code; }
    // For settings beyond the preset; touch it only while no encoding runs.
    WavToMp3Encoder &encoder() { return m_encoder; }

    // Starts a recording into a new temporary file (an earlier one not encoded is deleted).
    // False, and nothing starts, while a recording or an encoding runs.
    bool startRecording();
    // Saves what was recorded into the temporary file; nothing unless a recording runs.
    void stopRecording() { m_recording.stop(); }
    bool isRecording() const { return m_recording.isRecording(); }
    // The last recording's file (a /proc/self/fd name); empty before the first and once it is
    // encoded.
    QString temporaryWav() const { return m_wav ? m_wav->path() : QString(); }

    // Encodes the last recording into mp3, replacing an existing mp3 only when replace is set.
    // Returns why nothing started (a recording or an encoding runs, nothing recorded, mp3 exists),
    // or an empty text.
    QString startEncoding(const QString &mp3, bool replace);
    bool isEncoding() const { return m_worker.isRunning(); }
    // The encoding stops between chunks and leaves no MP3 file.
    void cancelEncoding();

signals:
    void commandFailed(quint32 code, const QString &text);
    void displayed(const QString &time, const QString &size);
    void recordingEnded();
    // Samples of both channels, and the status line's text.
    void encodeProgress(qint64 samplesDone, qint64 totalSamples, const QString &text);
    // error is empty when the MP3 file is complete; the temporary file is gone either way.
    void encodingFinished(const QString &error);

private:
    // On the worker.
    void encode();

    VoiceRecording m_recording;
    std::optional<UnnamedFile> m_wav;
    bool m_recorded = false; // m_wav holds a recording not yet encoded
    int m_samplesPerSecond = 44100;
    std::optional<int> m_preset;
    WavToMp3Encoder m_encoder;
    std::atomic<bool> m_cancel{false};
    QString m_mp3;
    bool m_replace = false;
    QString m_error; // written by the worker
    // Last, so that it is destroyed first: it stops the encoding and waits while all else exists.
    WorkerRun m_worker;
};
