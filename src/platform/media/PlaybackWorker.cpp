#include "PlaybackWorker.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include <QTimer>

#include "NullAudioOutput.h"

namespace {
constexpr int kPumpMs = 10;
constexpr qint64 kFrameBytes = 4;
// Once everything is written, a device clock that stands still this long has played it all.
constexpr qint64 kStillClockMs = 1000;

qint64 steadyNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

qint16 toSample(float value)
{
    return qint16(std::lround(std::clamp(value, -1.0f, 1.0f) * 32767.0f));
}
} // namespace

PlaybackWorker::PlaybackWorker(OutputFactory factory)
    : m_factory(std::move(factory)), m_pumpTimer(new QTimer(this))
{
    m_pumpTimer->setInterval(kPumpMs);
    m_pumpTimer->setTimerType(Qt::PreciseTimer);
    connect(m_pumpTimer, &QTimer::timeout, this, [this] { perform([this] { pump(); }); });
}

PlaybackWorker::~PlaybackWorker() = default;

void PlaybackWorker::perform(std::function<void()> command)
{
    m_waiting.push_back(std::move(command));
    if (m_performing)
        return;
    m_performing = true;
    while (!m_waiting.empty()) {
        const std::function<void()> next = std::move(m_waiting.front());
        m_waiting.pop_front();
        next();
    }
    m_performing = false;
}

void PlaybackWorker::load(std::shared_ptr<PcmSource> source, quint64 seq)
{
    closeOutput();
    m_source = std::move(source);
    m_state = State::Stopped;
    m_segmentStart = 0;
    publish(seq);
}

void PlaybackWorker::play(quint64 seq)
{
    if (!m_source || !m_source->isOpen() || m_state == State::Playing) {
        publish(seq);
        return;
    }
    if (m_state == State::Paused && m_output) {
        m_output->resume();
    } else {
        startSegment(m_state == State::Ended ? 0 : m_segmentStart);
    }
    m_state = State::Playing;
    m_pumpTimer->start();
    pump();
    publish(seq);
}

void PlaybackWorker::pause(quint64 seq)
{
    if (m_state == State::Playing) {
        if (m_output)
            m_output->suspend();
        m_state = State::Paused;
    }
    publish(seq);
}

void PlaybackWorker::stop(quint64 seq)
{
    closeOutput();
    m_segmentStart = 0;
    m_state = State::Stopped;
    publish(seq);
}

void PlaybackWorker::seek(double seconds, quint64 seq)
{
    if (!m_source || !m_source->isOpen()) {
        publish(seq);
        return;
    }
    const qint64 frame = std::clamp<qint64>(std::llround(seconds * m_source->sampleRate()), 0,
                                            m_source->lengthFrames());
    if (m_state == State::Playing || m_state == State::Paused) {
        startSegment(frame);
        if (m_state == State::Paused && m_output)
            m_output->suspend();
    } else {
        closeOutput();
        m_segmentStart = frame;
        m_state = State::Stopped;
    }
    publish(seq);
}

void PlaybackWorker::setRate(double rate, quint64 seq)
{
    if (rate != m_rate && rate > 0) {
        const qint64 frame = positionFrames();
        m_rate = rate;
        if (m_state == State::Playing || m_state == State::Paused) {
            // Audio already queued was made at the old rate: start over from where we are.
            startSegment(frame);
            if (m_state == State::Paused && m_output)
                m_output->suspend();
        }
    }
    publish(seq);
}

void PlaybackWorker::setGain(double gain, quint64 seq)
{
    m_gain = gain;
    publish(seq);
}

void PlaybackWorker::shutdown()
{
    m_pumpTimer->stop();
    closeOutput();
    m_source.reset();
}

PlaybackSnapshot PlaybackWorker::snapshot() const
{
    QMutexLocker lock(&m_snapshotLock);
    return m_snapshot;
}

void PlaybackWorker::expect(const PlaybackSnapshot &snapshot)
{
    QMutexLocker lock(&m_snapshotLock);
    m_snapshot = snapshot;
    m_snapshot.stampNs = steadyNs();
}

void PlaybackWorker::pump()
{
    if (m_state != State::Playing) {
        m_pumpTimer->stop();
        return;
    }
    fill();
    if (m_decodeDone && m_pendingAt == m_pending.size() && drained()) {
        closeOutput();
        m_state = State::Ended;
    }
    publish(m_processedSeq);
}

void PlaybackWorker::fill()
{
    // Bounded, so a device that takes everything cannot keep this thread from its commands.
    for (int piece = 0; piece < 64; ++piece) {
        if (!writePending() || m_decodeDone)
            return;
        std::vector<float> pcm;
        const qint64 frames = m_source->decode(pcm);
        m_segmentDecoded += frames;
        m_decodeDone = frames == 0;
        m_tempo.process(pcm, m_decodeDone);
        appendPending(pcm);
    }
}

bool PlaybackWorker::writePending()
{
    if (m_pendingAt == m_pending.size())
        return true;
    const qint64 room = m_output->bytesFree() / kFrameBytes * kFrameBytes;
    if (room <= 0)
        return false;
    const qint64 wanted = std::min<qint64>(room, qint64(m_pending.size() - m_pendingAt));
    const qint64 taken = m_output->write(m_pending.data() + m_pendingAt, wanted);
    m_pendingAt += size_t(taken);
    m_writtenFrames += taken / kFrameBytes;
    if (m_pendingAt < m_pending.size())
        return false;
    m_pending.clear();
    m_pendingAt = 0;
    return true;
}

void PlaybackWorker::appendPending(const std::vector<float> &pcm)
{
    const size_t at = m_pending.size();
    m_pending.resize(at + pcm.size() * sizeof(qint16));
    auto *out = reinterpret_cast<qint16 *>(m_pending.data() + at);
    const float gain = float(m_gain);
    for (size_t i = 0; i < pcm.size(); ++i)
        out[i] = toSample(pcm[i] * gain);
}

bool PlaybackWorker::drained()
{
    const qint64 played = m_output->playedFrames();
    if (played >= m_writtenFrames)
        return true;
    if (played != m_lastPlayed) {
        m_lastPlayed = played;
        m_playedStill.start();
        return false;
    }
    return m_playedStill.elapsed() > kStillClockMs;
}

void PlaybackWorker::startSegment(qint64 frame)
{
    closeOutput();
    m_source->seek(frame);
    m_tempo.configure(m_source->sampleRate(), m_rate);
    m_segmentStart = frame;
    m_output = m_factory();
    if (!m_output->open(m_source->sampleRate())) {
        // Without a working device, time still runs so that positions and track ends advance.
        m_output = std::make_unique<NullAudioOutput>();
        m_output->open(m_source->sampleRate());
    }
}

void PlaybackWorker::closeOutput()
{
    if (m_output) {
        m_segmentStart = positionFrames();
        m_output->close();
        m_output.reset();
    }
    m_tempo.clear();
    m_segmentDecoded = 0;
    m_writtenFrames = 0;
    m_lastPlayed = -1;
    m_decodeDone = false;
    m_pending.clear();
    m_pendingAt = 0;
}

qint64 PlaybackWorker::positionFrames() const
{
    if (!m_source || !m_source->isOpen())
        return 0;
    if (m_state == State::Ended)
        return m_source->lengthFrames();
    if (!m_output)
        return m_segmentStart;
    const qint64 played = std::llround(double(m_output->playedFrames()) * m_rate);
    const qint64 frame = m_segmentStart + std::min(played, m_segmentDecoded);
    return std::min(frame, m_source->lengthFrames());
}

void PlaybackWorker::publish(quint64 seq)
{
    m_processedSeq = std::max<quint64>(m_processedSeq, seq);
    PlaybackSnapshot now;
    const int sampleRate = m_source && m_source->isOpen() ? m_source->sampleRate() : 0;
    now.position = sampleRate > 0 ? double(positionFrames()) / sampleRate : 0.0;
    now.stampNs = steadyNs();
    now.advancing = m_state == State::Playing;
    now.paused = m_state == State::Paused;
    now.rate = m_rate;
    now.seq = m_processedSeq;
    QMutexLocker lock(&m_snapshotLock);
    if (now.seq >= m_snapshot.seq)
        m_snapshot = now;
}

#include "moc_PlaybackWorker.cpp"
