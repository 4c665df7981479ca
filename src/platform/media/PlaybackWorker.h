#pragma once

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include <QElapsedTimer>
#include <QMutex>
#include <QObject>

#include "AudioOutput.h"
#include "PcmSource.h"
#include "TempoStage.h"

class QTimer;

// What the UI thread sees of playback; `seq` is the last command it reflects.
struct PlaybackSnapshot {
    double position = 0.0; // seconds
    qint64 stampNs = 0;    // steady clock of the reading
    bool advancing = false;
    double rate = 1.0;
    quint64 seq = 0;
    bool paused = false;
};

// Lives on the playback thread: pulls audio from its source, changes tempo, applies the gain and
// feeds the audio output. Command methods run on that thread (queued by PlaybackThread); snapshot()
// and expect() may be called from any thread.
class PlaybackWorker : public QObject {
    Q_OBJECT
public:
    using OutputFactory = std::function<std::unique_ptr<AudioOutput>()>;

    explicit PlaybackWorker(OutputFactory factory);
    ~PlaybackWorker() override;

    void load(std::shared_ptr<PcmSource> source, quint64 seq);
    void play(quint64 seq);
    void pause(quint64 seq);
    void stop(quint64 seq);
    void seek(double seconds, quint64 seq);
    void setRate(double rate, quint64 seq);
    void setGain(double gain, quint64 seq);
    void shutdown();
    // Runs a command, or queues it behind the one running: stopping a Pulse sink can deliver
    // this thread's queued events before it returns, and commands must not interleave.
    void perform(std::function<void()> command);

    PlaybackSnapshot snapshot() const;
    // The UI thread states what a command it just queued will lead to, so that readings made
    // before the worker gets to it are already right.
    void expect(const PlaybackSnapshot &snapshot);

private:
    enum class State { Stopped, Playing, Paused, Ended };

    void pump();
    void fill();
    bool writePending();
    void appendPending(const std::vector<float> &pcm);
    bool drained();
    void startSegment(qint64 frame);
    void closeOutput();
    qint64 positionFrames() const;
    void publish(quint64 seq);

    OutputFactory m_factory;
    std::deque<std::function<void()>> m_waiting;
    bool m_performing = false;
    QTimer *m_pumpTimer = nullptr;
    std::shared_ptr<PcmSource> m_source;
    std::unique_ptr<AudioOutput> m_output;
    TempoStage m_tempo;
    State m_state = State::Stopped;
    double m_rate = 1.0;
    double m_gain = 1.0;

    // The segment playing now began at source frame m_segmentStart; the output was opened then.
    qint64 m_segmentStart = 0;
    qint64 m_segmentDecoded = 0;
    qint64 m_writtenFrames = 0;
    bool m_decodeDone = false;
    std::vector<char> m_pending;
    size_t m_pendingAt = 0;
    // For a device whose clock stops short of the last frame: how long it has stood still.
    qint64 m_lastPlayed = -1;
    QElapsedTimer m_playedStill;

    mutable QMutex m_snapshotLock;
    PlaybackSnapshot m_snapshot;
    std::atomic<quint64> m_processedSeq{0};
};
