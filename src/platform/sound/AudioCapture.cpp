#include "AudioCapture.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include "CaptureWorker.h"

AudioCapture::AudioCapture() : m_worker(new CaptureWorker(m_bytes))
{
    m_thread.setObjectName(QStringLiteral("capture"));
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::HighPriority);
}

AudioCapture::~AudioCapture()
{
    stop();
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { delete w; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

bool AudioCapture::inputAvailable() { return !QMediaDevices::defaultAudioInput().isNull(); }

bool AudioCapture::start(const QString &path, int sampleRate, int channels, int bitsPerSample)
{
    m_bytes = 0;
    QMetaObject::invokeMethod(
        m_worker, [&] { m_running = m_worker->start(path, sampleRate, channels, bitsPerSample); },
        Qt::BlockingQueuedConnection);
    return m_running;
}

void AudioCapture::stop()
{
    if (!m_running)
        return;
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->stop(); }, Qt::BlockingQueuedConnection);
    m_running = false;
}
