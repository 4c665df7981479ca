#include <gtest/gtest.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "InstanceClient.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

// The built tavro, started twice over with a runtime folder of its own: the first copy shows
// its window offscreen, a later one hands its file over and ends at once. What the first copy
// plays shows as the file it holds open.
TEST(SecondStartTest, ALaterCopyHandsItsFileToTheRunningOneAndEnds)
{
    QTemporaryDir dir;
    const QString runtime = dir.filePath(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    ASSERT_TRUE(
        QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const QString song = dir.filePath(u"song.mp3"_s);
    ASSERT_TRUE(TestMedia::makeMp3(song, 20.0));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
    environment.insert(u"XDG_CONFIG_HOME"_s, dir.path());
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    const auto start = [&](QProcess &process, const QStringList &arguments) {
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(qEnvironmentVariable("TAVRO_APP"), arguments);
        ASSERT_TRUE(process.waitForStarted());
    };
    const auto firstHoldsOpen = [&](const QProcess &first) {
        const QDir fds(u"/proc/%1/fd"_s.arg(first.processId()));
        for (const QString &fd : fds.entryList(QDir::Files | QDir::System))
            if (QFile::symLinkTarget(fds.filePath(fd)) == song)
                return true;
        return false;
    };

    QProcess first;
    start(first, {});
    const QString serverPath = runtime + u"/tavro-%1"_s.arg(::getuid());
    ASSERT_TRUE(InstanceClient::handOver(serverPath, {}, 20000)); // it serves
    for (const QStringList &arguments : {QStringList{}, QStringList{u"song.mp3"_s}}) {
        EXPECT_FALSE(firstHoldsOpen(first));
        QProcess second;
        start(second, arguments); // a relative name, against the second copy's folder
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(std::pair(second.exitStatus(), second.exitCode()),
                  std::pair(QProcess::NormalExit, 0));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return firstHoldsOpen(first); }, 20000));
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished();
}
