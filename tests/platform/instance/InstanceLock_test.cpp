#include <optional>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "InstanceLock.h"

// Copies of the program stand in as locks on one path within this process: Qt's lock file names
// the process that holds it, and this process is alive.
TEST(InstanceLockTest, OnlyTheFirstCopyHoldsTheLockUntilItEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tavro.lock"));
    std::optional<InstanceLock> first(std::in_place, path);
    InstanceLock second(path);
    EXPECT_FALSE(first->anotherCopyRunning());
    EXPECT_TRUE(second.anotherCopyRunning());
    first.reset();
    EXPECT_FALSE(second.anotherCopyRunning());
    EXPECT_TRUE(InstanceLock(path).anotherCopyRunning());
}

TEST(InstanceLockTest, ALockFileNamingNoCopyIsTakenOver)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tavro.lock"));
    for (const QByteArray &junk :
         {QByteArray(), QByteArray("\xff\x00junk\n", 7), QByteArray("2147483646\ntavro\n\n")}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(junk);
        file.close();
        EXPECT_FALSE(InstanceLock(path).anotherCopyRunning()) << junk.toHex().constData();
    }
}
