#include <gtest/gtest.h>

#include <QCoreApplication>

// Core classes use Qt's event loop and threads, so every unit test runs inside an application.
int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
