#include <csignal>

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

namespace {
// The built tavro, started twice over: the first copy shows its window offscreen, the second
// must hand its file over and end. What the first copy plays shows as the file it holds open.
class SecondStartTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir().mkpath(runtime));
        ASSERT_TRUE(
            QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        ASSERT_TRUE(TestMedia::makeMp3(dir.filePath(u"song.mp3"_s), 20.0));
    }
    void TearDown() override
    {
        first.kill();
        first.waitForFinished();
    }

    void start(QProcess &process, const QStringList &arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_RUNTIME_DIR"_s, runtime);
        environment.insert(u"XDG_CONFIG_HOME"_s, dir.path());
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(dir.path());
        process.start(qEnvironmentVariable("TAVRO_APP"), arguments);
        ASSERT_TRUE(process.waitForStarted());
    }
    // Starts the first copy and waits until it serves later ones.
    void startFirst()
    {
        start(first, {});
        ASSERT_TRUE(InstanceClient::handOver(serverPath(), {}, 20000));
    }
    // A later copy: it must end at once, successfully.
    void startSecond(const QStringList &arguments)
    {
        QProcess second;
        start(second, arguments);
        ASSERT_TRUE(second.waitForFinished(20000));
        EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().constData();
    }
    bool firstHoldsOpen(const QString &path) const
    {
        const QDir fds(u"/proc/%1/fd"_s.arg(first.processId()));
        for (const QString &fd : fds.entryList(QDir::Files | QDir::System))
            if (QFile::symLinkTarget(fds.filePath(fd)) == path)
                return true;
        return false;
    }
    QString serverPath() const { return runtime + u"/tavro-%1"_s.arg(::getuid()); }

    QTemporaryDir dir;
    const QString runtime = dir.filePath(u"run"_s);
    QProcess first;
};
} // namespace

TEST_F(SecondStartTest, ALaterCopyHandsItsFileToTheRunningOneAndEnds)
{
    startFirst();
    startSecond({}); // only brings the window forward
    EXPECT_FALSE(firstHoldsOpen(dir.filePath(u"song.mp3"_s)));
    startSecond({u"song.mp3"_s}); // relative to the second copy's folder
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return firstHoldsOpen(dir.filePath(u"song.mp3"_s)); }, 20000));
    EXPECT_EQ(first.state(), QProcess::Running);
}

TEST_F(SecondStartTest, ACopyStartedAfterACrashServesInPlaceOfTheDeadOne)
{
    startFirst();
    ::kill(pid_t(first.processId()), SIGKILL); // leaves its socket and its lock behind
    ASSERT_TRUE(first.waitForFinished());
    ASSERT_TRUE(QFile::exists(serverPath()));
    startFirst();
    startSecond({dir.filePath(u"song.mp3"_s)});
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return firstHoldsOpen(dir.filePath(u"song.mp3"_s)); }, 20000));
}
