#pragma once

#include <atomic>

#include <QString>
#include <QThread>

class CaptureWorker;

// Records 16- or 8-bit PCM from the default sound input on a thread of its own, appending it to
// a file as it comes, so that memory stays small however long the recording runs.
class AudioCapture {
public:
    AudioCapture();
    ~AudioCapture();
    AudioCapture(const AudioCapture &) = delete;
    AudioCapture &operator=(const AudioCapture &) = delete;

    static bool inputAvailable();

    // Appends to the file at path; false when the file or the input cannot be opened.
    bool start(const QString &path, int sampleRate, int channels, int bitsPerSample);
    // Returns once the last data has been written.
    void stop();
    bool running() const { return m_running; }
    // Bytes appended since start().
    qint64 bytes() const { return m_bytes; }

private:
    QThread m_thread;
    CaptureWorker *m_worker = nullptr;
    std::atomic<qint64> m_bytes{0};
    bool m_running = false;
};
