#include "QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace {
constexpr int kChannels = 2;
constexpr qint64 kFrameBytes = 4;
// Enough to ride over a busy UI or disk, short enough that seeks and volume feel immediate.
constexpr qint64 kBufferMs = 250;
} // namespace

QtAudioOutput::QtAudioOutput() = default;

QtAudioOutput::~QtAudioOutput() { close(); }

bool QtAudioOutput::deviceAvailable() { return !QMediaDevices::defaultAudioOutput().isNull(); }

bool QtAudioOutput::open(int sampleRate)
{
    close();
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(kChannels);
    format.setSampleFormat(QAudioFormat::Int16);
    m_sink = std::make_unique<QAudioSink>(QMediaDevices::defaultAudioOutput(), format);
    m_sink->setBufferSize(sampleRate * kBufferMs / 1000 * kFrameBytes);
    m_device = m_sink->start();
    m_sampleRate = sampleRate;
    if (!m_device || m_sink->error() != QAudio::NoError) {
        close();
        return false;
    }
    return true;
}

void QtAudioOutput::close()
{
    // Stopping a sink can run queued events on this thread, which may close us again.
    const std::unique_ptr<QAudioSink> sink = std::move(m_sink);
    m_device = nullptr;
    m_sampleRate = 0;
    if (sink)
        sink->stop();
}

qint64 QtAudioOutput::bytesFree() const { return m_sink ? m_sink->bytesFree() : 0; }

qint64 QtAudioOutput::write(const char *data, qint64 bytes)
{
    return m_device ? qMax<qint64>(0, m_device->write(data, bytes)) : 0;
}

qint64 QtAudioOutput::playedFrames() const
{
    return m_sink ? m_sink->processedUSecs() * m_sampleRate / 1'000'000 : 0;
}

void QtAudioOutput::suspend()
{
    if (m_sink)
        m_sink->suspend();
}

void QtAudioOutput::resume()
{
    if (m_sink)
        m_sink->resume();
}
