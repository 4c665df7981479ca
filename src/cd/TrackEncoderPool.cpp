#include "TrackEncoderPool.h"

#include <exception>

#include "RaisedError.h"
#include "WavToMp3Encoder.h"

TrackEncoderPool::TrackEncoderPool(const WavToMp3Encoder &settings, int workers,
                                   const std::atomic_bool &cancelled)
    : m_settings(settings), m_cancelled(cancelled)
{
    for (int i = 0; i < std::max(workers, 1); ++i)
        m_workers.emplace_back([this] { work(); });
}

TrackEncoderPool::~TrackEncoderPool()
{
    stop();
    {
        const std::lock_guard lock(m_lock);
        m_closing = true;
    }
    m_changed.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

void TrackEncoderPool::stop()
{
    std::deque<Track> dropped;
    {
        const std::lock_guard lock(m_lock);
        m_stopped = true;
        dropped.swap(m_waiting);
    }
    m_changed.notify_all();
}

void TrackEncoderPool::add(Track track)
{
    {
        const std::lock_guard lock(m_lock);
        m_waiting.push_back(std::move(track));
    }
    m_changed.notify_all();
}

// Until none is left: workers go on reporting, and ending, while the lock is let go, and a
// caller that sees them idle must have had everything they said.
void TrackEncoderPool::deliver(std::unique_lock<std::mutex> &lock, const Handler &handle)
{
    while (!m_reports.empty()) {
        std::deque<Report> reports;
        reports.swap(m_reports);
        lock.unlock();
        for (const Report &report : reports)
            handle(report);
        lock.lock();
    }
}

void TrackEncoderPool::takeReports(const Handler &handle)
{
    std::unique_lock lock(m_lock);
    deliver(lock, handle);
}

void TrackEncoderPool::waitForRoom(int limit, const Handler &handle)
{
    std::unique_lock lock(m_lock);
    const auto room = [&] { return int(m_waiting.size()) + m_busy < limit || ending(); };
    for (;;) {
        deliver(lock, handle);
        if (room())
            return;
        m_changed.wait(lock, [&] { return !m_reports.empty() || room(); });
    }
}

void TrackEncoderPool::finish(const Handler &handle)
{
    std::unique_lock lock(m_lock);
    const auto done = [this] { return m_waiting.empty() && m_busy == 0; };
    for (;;) {
        deliver(lock, handle);
        if (done())
            return;
        m_changed.wait(lock, [&] { return !m_reports.empty() || done(); });
    }
}

void TrackEncoderPool::post(Report report)
{
    {
        const std::lock_guard lock(m_lock);
        m_reports.push_back(std::move(report));
    }
    m_changed.notify_all();
}

void TrackEncoderPool::work()
{
    WavToMp3Encoder encoder;
    encoder.copySettings(m_settings);
    std::unique_lock lock(m_lock);
    for (;;) {
        m_changed.wait(lock, [this] { return m_closing || !m_waiting.empty(); });
        if (m_waiting.empty())
            return;
        Track track = std::move(m_waiting.front());
        m_waiting.pop_front();
        ++m_busy;
        lock.unlock();
        encode(encoder, track);
        track = {}; // the WAV file goes before the next is taken
        lock.lock();
        --m_busy;
        m_changed.notify_all();
    }
}

void TrackEncoderPool::encode(WavToMp3Encoder &encoder, Track &track)
{
    const auto fail = [&](const QString &error) {
        post({Report::Kind::Failed, track.index, track.number, 0, 0, error});
    };
    encoder.setWavFile(track.wav->path());
    encoder.setMp3File(track.mp3->path());
    if (encoder.WavFile() != track.wav->path() || encoder.Mp3File() != track.mp3->path())
        return fail(QStringLiteral("Cannot write ") + track.output);
    // Direct: the handler answers through the reference, on this worker.
    const QMetaObject::Connection progress = QObject::connect(
        &encoder, &WavToMp3Encoder::Progress,
        [this, &track](qint64 done, qint64 total, bool &cancel) {
            post({Report::Kind::Progress, track.index, track.number, done, total, {}});
            cancel = ending();
        });
    bool encoded = false;
    try {
        encoder.Encode();
        encoded = !ending();
    } catch (const RaisedError &error) {
        fail(error.text());
    } catch (const std::exception &error) {
        fail(QString::fromLocal8Bit(error.what()));
    }
    QObject::disconnect(progress);
    if (!encoded)
        return;
    if (!track.mp3->linkAs(track.replace))
        return fail(QStringLiteral("Cannot write ") + track.output);
    post({Report::Kind::Finished, track.index, track.number, 0, 0, {}});
}
