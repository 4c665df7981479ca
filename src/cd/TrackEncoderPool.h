#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include <QString>

#include "UnnamedFile.h"

class WavToMp3Encoder;

// Encodes ripped tracks on worker threads, each with an encoder of its own set like the one
// handed in, while the caller rips the next track. The caller hands tracks in and takes the
// workers' reports on its own thread (the handler passed to wait and finish), so that whatever
// the reports cause happens where the caller runs. A track's MP3 file is linked into place when
// complete; its WAV file goes when it is encoded. stop() (after a failure) or the cancelled flag
// ends every encoding at its next chunk and drops the tracks not started.
class TrackEncoderPool {
public:
    struct Track {
        int index = 0;     // the caller's own number for the track
        quint8 number = 0; // the track's number on the disc
        std::unique_ptr<UnnamedFile> wav;
        std::unique_ptr<UnnamedFile> mp3;
        bool replace = false; // the MP3 file may replace an existing regular file
        QString output;       // the MP3 file's name, for messages
    };
    struct Report {
        enum class Kind { Progress, Finished, Failed } kind = Kind::Progress;
        int index = 0;
        quint8 number = 0;
        qint64 samplesDone = 0; // 16-bit samples of both channels
        qint64 totalSamples = 0;
        QString error;
    };
    using Handler = std::function<void(const Report &)>;

    TrackEncoderPool(const WavToMp3Encoder &settings, int workers,
                     const std::atomic_bool &cancelled);
    // Stops and waits for the workers; reports not taken are dropped.
    ~TrackEncoderPool();
    TrackEncoderPool(const TrackEncoderPool &) = delete;
    TrackEncoderPool &operator=(const TrackEncoderPool &) = delete;

    // Waits, passing reports to handle, until fewer than limit tracks are waiting or encoding.
    void waitForRoom(int limit, const Handler &handle);
    void add(Track track);
    // Passes the reports made so far to handle, without waiting.
    void takeReports(const Handler &handle);
    // Waits for every track handed in, passing reports to handle.
    void finish(const Handler &handle);
    void stop();

private:
    void work();
    void encode(WavToMp3Encoder &encoder, Track &track);
    void post(Report report);
    bool ending() const { return m_stopped || m_cancelled; }
    // Under m_lock: hands the reports over with the lock released.
    void deliver(std::unique_lock<std::mutex> &lock, const Handler &handle);

    const WavToMp3Encoder &m_settings;
    const std::atomic_bool &m_cancelled;
    std::atomic_bool m_stopped = false;
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<Track> m_waiting;
    std::deque<Report> m_reports;
    int m_busy = 0; // tracks being encoded
    bool m_closing = false;
    std::vector<std::thread> m_workers;
};
