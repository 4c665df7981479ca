#pragma once

#include <memory>

#include <QThread>

#include "PlaybackWorker.h"

// A PlaybackWorker on a high-priority thread of its own, driven from the UI thread. Commands
// are queued; each states what it leads to, so readings made before the worker gets to it are
// already right. Without an audio device the worker plays into a null output in real time.
class PlaybackThread {
public:
    // The factory makes outputs on the playback thread; by default the system's audio device.
    explicit PlaybackThread(PlaybackWorker::OutputFactory factory = {});
    ~PlaybackThread();
    PlaybackThread(const PlaybackThread &) = delete;
    PlaybackThread &operator=(const PlaybackThread &) = delete;

    // Stops what plays; the source then belongs to the playback thread.
    void load(std::shared_ptr<PcmSource> source);
    void play();
    void pause();
    void stop();
    void seek(double seconds);
    void setRate(double rate);
    void setGain(double gain);

    // Seconds from the start of the source, as the listener hears it.
    double position() const;
    bool playing() const { return m_worker->snapshot().advancing; }
    bool paused() const { return m_worker->snapshot().paused; }

private:
    template <typename Command> void post(Command command);
    void expect(double position, bool advancing, bool paused = false);

    QThread m_thread;
    PlaybackWorker *m_worker = nullptr;
    quint64 m_seq = 0;
    double m_rate = 1.0;
    bool m_playable = false;
    double m_length = 0.0; // seconds
};
