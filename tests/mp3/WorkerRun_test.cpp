#include <atomic>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThread>

#include "WorkerRun.h"

// A job's signals cross to the owner's thread queued and in order, finished() last; one job at a
// time; the destructor stops the job and waits for it.
namespace {
class Counter : public QObject {
    Q_OBJECT
public:
    std::atomic_bool stopped = false;
signals:
    void counted(int n);
};
} // namespace

TEST(WorkerRunTest, SignalsArriveQueuedInOrderThenFinished)
{
    Counter counter;
    WorkerRun run;
    QList<int> arrived;
    bool allOnThisThread = true;
    QObject::connect(&counter, &Counter::counted, &run, [&](int n) {
        arrived << n;
        allOnThisThread = allOnThisThread && QThread::currentThread() == run.thread();
    });
    QObject::connect(&run, &WorkerRun::finished, [&] { arrived << -1; });
    QSignalSpy finished(&run, &WorkerRun::finished);
    ASSERT_TRUE(run.start(
        [&] {
            for (int n = 0; n < 500; ++n)
                emit counter.counted(n);
        },
        [] {}));
    EXPECT_TRUE(run.isRunning());
    EXPECT_FALSE(run.start([] {}, [] {}));
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_FALSE(run.isRunning());
    ASSERT_EQ(arrived.size(), 501);
    EXPECT_EQ(arrived.first(), 0);
    EXPECT_EQ(arrived.at(499), 499);
    EXPECT_EQ(arrived.last(), -1);
    EXPECT_TRUE(allOnThisThread);
    EXPECT_TRUE(run.start([] {}, [] {})); // and the next job may start
    EXPECT_TRUE(finished.wait(30000));
}

TEST(WorkerRunTest, StopAndDestroyEndTheJob)
{
    Counter counter;
    std::atomic_bool ended = false;
    const auto job = [&] {
        while (!counter.stopped)
            QThread::yieldCurrentThread();
        ended = true;
    };
    const auto stop = [&] { counter.stopped = true; };
    {
        WorkerRun run;
        ASSERT_TRUE(run.start(job, stop));
    }
    EXPECT_TRUE(ended); // the destructor waited

    counter.stopped = false;
    ended = false;
    WorkerRun run;
    QSignalSpy finished(&run, &WorkerRun::finished);
    ASSERT_TRUE(run.start(job, stop));
    run.stop();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(ended);
}

#include "WorkerRun_test.moc"
