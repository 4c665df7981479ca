#pragma once

#include <QApplication>
#include <QTest>

#include "TestProcess.h"

// QTEST_MAIN, ending the process as soon as the tests and their object are done (TestProcess).
#define TAVRO_QTEST_MAIN(TestObject)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        auto *app = new QApplication(argc, argv);                                                  \
        Q_UNUSED(app)                                                                              \
        int failed = 0;                                                                            \
        {                                                                                          \
            TestObject test;                                                                       \
            QTEST_SET_MAIN_SOURCE_PATH                                                             \
            failed = QTest::qExec(&test, argc, argv);                                              \
        }                                                                                          \
        TestProcess::end(failed);                                                                  \
    }
