#include "WorkerRun.h"

#include <QThread>

WorkerRun::WorkerRun(QObject *parent) : QObject(parent) {}

WorkerRun::~WorkerRun()
{
    if (!m_thread)
        return;
    stop();
    m_thread->wait();
}

bool WorkerRun::start(std::function<void()> job, std::function<void()> stop)
{
    if (m_thread)
        return false;
    m_stop = std::move(stop);
    m_thread.reset(QThread::create(std::move(job)));
    // The thread announces its end from the thread itself: queued behind the job's own signals.
    connect(m_thread.get(), &QThread::finished, this, &WorkerRun::threadEnded,
            Qt::QueuedConnection);
    m_thread->start();
    return true;
}

void WorkerRun::stop()
{
    if (m_thread && m_stop)
        m_stop();
}

void WorkerRun::threadEnded()
{
    m_thread->wait();
    m_thread.reset();
    m_stop = nullptr;
    emit finished();
}

#include "moc_WorkerRun.cpp"
