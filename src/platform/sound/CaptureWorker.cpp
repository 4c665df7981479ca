#include "CaptureWorker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>

CaptureWorker::CaptureWorker(std::atomic<qint64> &bytes) : m_bytes(bytes) {}

CaptureWorker::~CaptureWorker() { stop(); }

bool CaptureWorker::start(const QString &path, int sampleRate, int channels, int bitsPerSample)
{
    stop();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channels);
    format.setSampleFormat(bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    const QAudioDevice device = QMediaDevices::defaultAudioInput();
    m_file.setFileName(path);
    if (device.isNull() || !m_file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    m_source = std::make_unique<QAudioSource>(device, format);
    // A tenth of a second, so the recorded length grows smoothly instead of in bursts.
    m_source->setBufferSize(format.bytesForDuration(100'000));
    m_input = m_source->start();
    if (!m_input || m_source->error() != QAudio::NoError) {
        stop();
        return false;
    }
    connect(m_input, &QIODevice::readyRead, this, &CaptureWorker::drain);
    return true;
}

void CaptureWorker::drain()
{
    const QByteArray data = m_input->readAll();
    if (m_file.write(data) == data.size())
        m_bytes += data.size();
}

void CaptureWorker::stop()
{
    if (m_input)
        drain();
    if (m_source)
        m_source->stop();
    m_source.reset();
    m_input = nullptr;
    m_file.close();
}

#include "moc_CaptureWorker.cpp"
