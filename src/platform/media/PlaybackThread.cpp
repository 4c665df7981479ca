#include "PlaybackThread.h"

#include <algorithm>
#include <chrono>

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

PlaybackWorker::OutputFactory systemOutput()
{
    if (QtAudioOutput::deviceAvailable())
        return [] { return std::make_unique<QtAudioOutput>(); };
    return [] { return std::make_unique<NullAudioOutput>(); };
}
} // namespace

PlaybackThread::PlaybackThread(PlaybackWorker::OutputFactory factory)
    : m_worker(new PlaybackWorker(factory ? std::move(factory) : systemOutput()))
{
    m_thread.setObjectName(QStringLiteral("playback"));
    m_worker->moveToThread(&m_thread);
    m_thread.start(QThread::HighPriority);
}

PlaybackThread::~PlaybackThread()
{
    QMetaObject::invokeMethod(
        m_worker, [w = m_worker] { w->perform([w] { w->shutdown(); }); },
        Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
    delete m_worker;
}

template <typename Command> void PlaybackThread::post(Command command)
{
    const quint64 seq = ++m_seq;
    QMetaObject::invokeMethod(
        m_worker,
        [w = m_worker, command, seq] { w->perform([w, command, seq] { command(w, seq); }); },
        Qt::QueuedConnection);
}

void PlaybackThread::expect(double position, bool advancing, bool paused)
{
    m_worker->expect({position, 0, advancing, m_rate, m_seq, paused});
}

void PlaybackThread::load(std::shared_ptr<PcmSource> source)
{
    m_playable = source && source->isOpen();
    m_length = m_playable ? double(source->lengthFrames()) / source->sampleRate() : 0.0;
    post([source = std::move(source)](PlaybackWorker *w, quint64 seq) { w->load(source, seq); });
    expect(0.0, false);
}

void PlaybackThread::play()
{
    // After the end, playing starts over.
    const double at = position();
    const double from = at >= m_length ? 0.0 : at;
    post([](PlaybackWorker *w, quint64 seq) { w->play(seq); });
    if (m_playable)
        expect(from, true);
}

void PlaybackThread::pause()
{
    const PlaybackSnapshot was = m_worker->snapshot();
    const double at = position();
    post([](PlaybackWorker *w, quint64 seq) { w->pause(seq); });
    expect(at, false, was.advancing || was.paused);
}

void PlaybackThread::stop()
{
    post([](PlaybackWorker *w, quint64 seq) { w->stop(seq); });
    expect(0.0, false);
}

void PlaybackThread::seek(double seconds)
{
    const PlaybackSnapshot was = m_worker->snapshot();
    post([seconds](PlaybackWorker *w, quint64 seq) { w->seek(seconds, seq); });
    expect(seconds, was.advancing, was.paused);
}

void PlaybackThread::setRate(double rate)
{
    m_rate = rate;
    post([rate](PlaybackWorker *w, quint64 seq) { w->setRate(rate, seq); });
}

void PlaybackThread::setGain(double gain)
{
    post([gain](PlaybackWorker *w, quint64 seq) { w->setGain(gain, seq); });
}

double PlaybackThread::position() const
{
    const PlaybackSnapshot s = m_worker->snapshot();
    double position = s.position;
    if (s.advancing)
        position += std::min(double(steadyNs() - s.stampNs) / 1e9, kMaxExtrapolation) * s.rate;
    return std::max(position, 0.0);
}
