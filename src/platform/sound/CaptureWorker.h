#pragma once

#include <atomic>
#include <memory>

#include <QFile>
#include <QObject>

class QAudioSource;
class QIODevice;

// Lives on the capture thread: moves what the sound input delivers into the file.
class CaptureWorker : public QObject {
    Q_OBJECT
public:
    explicit CaptureWorker(std::atomic<qint64> &bytes);
    ~CaptureWorker() override;

    bool start(const QString &path, int sampleRate, int channels, int bitsPerSample);
    void stop();

private:
    void drain();

    std::atomic<qint64> &m_bytes;
    std::unique_ptr<QAudioSource> m_source;
    QIODevice *m_input = nullptr;
    QFile m_file;
};
