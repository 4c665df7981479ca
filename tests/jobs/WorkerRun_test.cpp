#include <atomic>

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QThread>

#include "WorkerRun.h"

// One job at a time; stop() and the destructor end the job, and the destructor waits for it. (The
// windows' tests see the job's signals arrive queued and in order, finished() last.)
TEST(WorkerRunTest, OneJobAtATimeStoppedOnRequestAndWhenDestroyed)
{
    std::atomic_bool stopped = false;
    std::atomic_bool ended = false;
    const auto job = [&] {
        while (!stopped)
            QThread::yieldCurrentThread();
        ended = true;
    };
    const auto stop = [&] { stopped = true; };
    {
        WorkerRun run;
        ASSERT_TRUE(run.start(job, stop));
    }
    EXPECT_TRUE(ended); // the destructor stopped the job and waited

    stopped = ended = false;
    WorkerRun run;
    QSignalSpy finished(&run, &WorkerRun::finished);
    ASSERT_TRUE(run.start(job, stop));
    EXPECT_FALSE(run.start([] {}, [] {}));
    run.stop();
    ASSERT_TRUE(finished.wait(30000));
    EXPECT_TRUE(ended && !run.isRunning());
    EXPECT_TRUE(run.start([] {}, [] {})); // the next job may start
    EXPECT_TRUE(finished.wait(30000));
}
