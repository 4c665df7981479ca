#include <gtest/gtest.h>

#include <QCoreApplication>

#include "TestProcess.h"

// Core classes use Qt's event loop and threads, so every unit test runs inside an application.
// The process ends as soon as the tests are done (TestProcess).
int main(int argc, char **argv)
{
    auto *app = new QCoreApplication(argc, argv);
    Q_UNUSED(app)
    ::testing::InitGoogleTest(&argc, argv);
    const int failed = RUN_ALL_TESTS();
    TestProcess::end(failed);
}
