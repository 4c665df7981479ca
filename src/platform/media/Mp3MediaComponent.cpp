#include "Mp3MediaComponent.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "NullAudioOutput.h"
#include "QtAudioOutput.h"

namespace {
// Readings between two worker updates are carried forward by the clock, but never far.
constexpr double kMaxExtrapolation = 0.05;

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}
} // namespace

Mp3MediaComponent::Mp3MediaComponent(PlaybackWorker::OutputFactory factory)
    : m_worker(new PlaybackWorker(factory ? std::move(factory) : systemOutput()))
{
    m_thread.setObjectName(QStringLiteral("playback"));
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::HighPriority);
}

Mp3MediaComponent::~Mp3MediaComponent()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->shutdown(); }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

PlaybackWorker::OutputFactory Mp3MediaComponent::systemOutput()
{
    if (QtAudioOutput::deviceAvailable())
        return [] { return std::make_unique<QtAudioOutput>(); };
    return [] { return std::make_unique<NullAudioOutput>(); };
}

template <typename Command> void Mp3MediaComponent::post(Command command)
{
    const quint64 seq = ++m_seq;
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker, command, seq] { command(w, seq); }, Qt::QueuedConnection);
}

void Mp3MediaComponent::setFileName(const QString &path)
{
    auto decoder = std::make_shared<Mp3Decoder>();
    m_fileName = path;
    m_duration = decoder->open(path) ? decoder->durationSeconds() : 0.0;
    post([decoder](PlaybackWorker *w, quint64 seq) { w->load(decoder, seq); });
    m_worker->expect({0.0, 0, false, m_rate, m_seq});
}

void Mp3MediaComponent::play()
{
    post([](PlaybackWorker *w, quint64 seq) { w->play(seq); });
}

void Mp3MediaComponent::pause()
{
    post([](PlaybackWorker *w, quint64 seq) { w->pause(seq); });
    m_worker->expect({currentPosition(), 0, false, m_rate, m_seq});
}

void Mp3MediaComponent::stop()
{
    post([](PlaybackWorker *w, quint64 seq) { w->stop(seq); });
    m_worker->expect({0.0, 0, false, m_rate, m_seq});
}

double Mp3MediaComponent::currentPosition() const
{
    const PlaybackSnapshot s = m_worker->snapshot();
    double position = s.position;
    if (s.advancing)
        position += std::min(double(steadyNs() - s.stampNs) / 1e9, kMaxExtrapolation) * s.rate;
    return std::clamp(position, 0.0, m_duration);
}

void Mp3MediaComponent::setCurrentPosition(double seconds)
{
    if (m_duration <= 0.0)
        return;
    const double target = std::clamp(seconds, 0.0, m_duration);
    const bool advancing = m_worker->snapshot().advancing;
    post([target](PlaybackWorker *w, quint64 seq) { w->seek(target, seq); });
    m_worker->expect({target, 0, advancing, m_rate, m_seq});
}

void Mp3MediaComponent::setRate(double rate)
{
    m_rate = rate;
    post([rate](PlaybackWorker *w, quint64 seq) { w->setRate(rate, seq); });
}

void Mp3MediaComponent::setVolume(int hundredthsOfDecibel)
{
    m_volume = std::min(hundredthsOfDecibel, 0);
    applyGain();
}

void Mp3MediaComponent::setMute(bool muted)
{
    m_mute = muted;
    applyGain();
}

void Mp3MediaComponent::applyGain()
{
    const double gain = m_mute ? 0.0 : std::pow(10.0, m_volume / 2000.0);
    post([gain](PlaybackWorker *w, quint64 seq) { w->setGain(gain, seq); });
}
