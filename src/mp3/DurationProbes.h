#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include <QString>

// Measures MP3 files (Mp3Duration) on worker threads, one measurer each, while the caller goes
// on walking: files are numbered in the order they are handed in, and their lengths are taken
// back by number, so the caller reports them in its own order.
class DurationProbes {
public:
    explicit DurationProbes(int workers);
    // Drops what is still waiting and waits for the workers.
    ~DurationProbes();
    DurationProbes(const DurationProbes &) = delete;
    DurationProbes &operator=(const DurationProbes &) = delete;

    // The file's number: 0 for the first handed in.
    int add(const QString &path);
    // File number's length in seconds (0 for no MPEG audio), once; with wait, waits for it,
    // otherwise nothing while it is still measured.
    std::optional<double> take(int number, bool wait);
    // Files handed in and not taken yet.
    int outstanding() const { return m_added - m_taken; }

private:
    void work();

    std::mutex m_lock;
    std::condition_variable m_changed;
    std::deque<std::pair<int, QString>> m_waiting;
    std::unordered_map<int, double> m_measured;
    bool m_closing = false;
    int m_added = 0;
    int m_taken = 0;
    std::vector<std::thread> m_workers;
};
