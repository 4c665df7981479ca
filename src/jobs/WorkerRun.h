#pragma once

#include <functional>
#include <memory>

#include <QObject>

class QThread;

// One long job at a time on a thread of its own, so that a window stays responsive while it runs.
// Signals the job emits reach receivers on the owner's thread queued and in order, and finished()
// comes after all of them. The job must return soon after its stop function is called; the
// destructor calls it and waits, so no thread outlives its owner and nothing the job uses may be
// destroyed before it.
class WorkerRun : public QObject {
    Q_OBJECT
public:
    explicit WorkerRun(QObject *parent = nullptr);
    ~WorkerRun() override;

    // False, and nothing starts, while a job runs.
    bool start(std::function<void()> job, std::function<void()> stop);
    // From start() until finished() is emitted.
    bool isRunning() const { return m_thread != nullptr; }
    // Asks the running job to return early; finished() follows as usual.
    void stop();

signals:
    void finished();

private:
    void threadEnded();

    std::unique_ptr<QThread> m_thread;
    std::function<void()> m_stop;
};
