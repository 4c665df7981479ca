#include "DurationProbes.h"

#include <algorithm>

#include "Mp3Duration.h"

DurationProbes::DurationProbes(int workers)
{
    for (int i = 0; i < std::max(workers, 1); ++i)
        m_workers.emplace_back([this] { work(); });
}

DurationProbes::~DurationProbes()
{
    {
        const std::lock_guard lock(m_lock);
        m_closing = true;
        m_waiting.clear();
    }
    m_changed.notify_all();
    for (std::thread &worker : m_workers)
        worker.join();
}

int DurationProbes::add(const QString &path)
{
    {
        const std::lock_guard lock(m_lock);
        m_waiting.emplace_back(m_added, path);
    }
    m_changed.notify_all();
    return m_added++;
}

std::optional<double> DurationProbes::take(int number, bool wait)
{
    std::unique_lock lock(m_lock);
    const auto ready = [&] { return m_measured.count(number) > 0; };
    if (wait)
        m_changed.wait(lock, ready);
    if (!ready())
        return std::nullopt;
    const double seconds = m_measured[number];
    m_measured.erase(number);
    ++m_taken;
    return seconds;
}

void DurationProbes::work()
{
    Mp3Duration duration;
    std::unique_lock lock(m_lock);
    for (;;) {
        m_changed.wait(lock, [this] { return m_closing || !m_waiting.empty(); });
        if (m_waiting.empty())
            return;
        const auto [number, path] = std::move(m_waiting.front());
        m_waiting.pop_front();
        lock.unlock();
        const double seconds = duration.seconds(path);
        lock.lock();
        m_measured[number] = seconds;
        m_changed.notify_all();
    }
}
