#include "NullAudioOutput.h"

#include <algorithm>

namespace {
constexpr qint64 kFrameBytes = 4;
constexpr qint64 kBufferMs = 200;
} // namespace

bool NullAudioOutput::open(int sampleRate)
{
    m_sampleRate = sampleRate;
    m_writtenFrames = 0;
    m_framesBeforeResume = 0;
    m_running = sampleRate > 0;
    m_clock.start();
    return m_running;
}

void NullAudioOutput::close()
{
    m_sampleRate = 0;
    m_running = false;
}

qint64 NullAudioOutput::clockFrames() const
{
    const qint64 running = m_running ? m_clock.nsecsElapsed() * m_sampleRate / 1'000'000'000 : 0;
    return m_framesBeforeResume + running;
}

qint64 NullAudioOutput::playedFrames() const { return std::min(clockFrames(), m_writtenFrames); }

qint64 NullAudioOutput::bytesFree() const
{
    if (m_sampleRate <= 0)
        return 0;
    const qint64 buffered = m_writtenFrames - playedFrames();
    return std::max<qint64>(0, m_sampleRate * kBufferMs / 1000 - buffered) * kFrameBytes;
}

qint64 NullAudioOutput::write(const char *, qint64 bytes)
{
    // An underrun restarts the clock at what was written, as a real device would.
    if (m_running && clockFrames() > m_writtenFrames) {
        m_framesBeforeResume = m_writtenFrames;
        m_clock.restart();
    }
    const qint64 taken = std::min(bytes, bytesFree()) / kFrameBytes * kFrameBytes;
    m_writtenFrames += taken / kFrameBytes;
    return taken;
}

void NullAudioOutput::suspend()
{
    if (!m_running)
        return;
    m_framesBeforeResume = playedFrames();
    m_running = false;
}

void NullAudioOutput::resume()
{
    if (m_running || m_sampleRate <= 0)
        return;
    m_running = true;
    m_clock.restart();
}
