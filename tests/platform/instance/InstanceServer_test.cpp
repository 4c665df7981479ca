#include <array>
#include <cstring>
#include <optional>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FileNameCodec.h"
#include "InstanceClient.h"
#include "InstanceLock.h"
#include "InstanceMessage.h"
#include "InstanceServer.h"
#include "TestMedia.h"

using namespace Qt::Literals::StringLiterals;

namespace {
class InstanceServerTest : public ::testing::Test {
protected:
    // The client blocks, so the server's side runs on this thread's loop afterwards.
    bool handOver(const QStringList &paths)
    {
        return InstanceClient::handOver(socketPath, paths, 2000);
    }

    QTemporaryDir dir;
    const QString socketPath = dir.filePath(u"tavro-test"_s);
    InstanceServer server{300};
    QSignalSpy received{&server, &InstanceServer::pathsReceived};
    QSignalSpy activations{&server, &InstanceServer::activationRequested};
};
} // namespace

// Copies of the program stand in as locks on one path within this process: Qt's lock file names
// the process that holds it, and this process is alive. A lock file naming no copy is taken over.
TEST(InstanceLockTest, OnlyTheFirstCopyHoldsTheLockUntilItEnds)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"tavro.lock"_s);
    std::optional<InstanceLock> first(std::in_place, path);
    InstanceLock second(path);
    EXPECT_FALSE(first->anotherCopyRunning());
    EXPECT_TRUE(second.anotherCopyRunning());
    first.reset();
    EXPECT_FALSE(second.anotherCopyRunning());
    EXPECT_TRUE(InstanceLock(path).anotherCopyRunning());
    for (const QByteArray &junk : {""_ba, "\xff\x00junk\n"_ba, "2147483646\ntavro\n\n"_ba}) {
        QFile file(dir.filePath(u"other.lock"_s));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(junk);
        file.close();
        EXPECT_FALSE(InstanceLock(file.fileName()).anotherCopyRunning()) << junk.toHex().data();
    }
}

TEST(InstanceMessageTest, OnlyAbsolutePathsWithinTheLimitsAreRead)
{
    const QByteArray latin("/m/caf\xe9.mp3");
    const QByteArray longest = '/' + QByteArray(InstanceMessage::kMaxLineBytes - 2, 'a');
    const QByteArray bytes = "/m/a.mp3\nrelative.mp3\n\n/m/n\0ul.mp3\n"_ba + latin + '\n' +
                             longest + "\n" + longest + "a\n/m/last.mp3";
    EXPECT_EQ(InstanceMessage::decode(bytes),
              (QStringList{u"/m/a.mp3"_s, FileNameCodec::decode(latin),
                           FileNameCodec::decode(longest), u"/m/last.mp3"_s}));
    EXPECT_EQ(InstanceMessage::encode({FileNameCodec::decode(latin)}), latin + '\n');
    // Lines past the limit are not read at all.
    const QByteArray many = QByteArray("/m/x.mp3\n").repeated(InstanceMessage::kMaxLines + 5);
    EXPECT_EQ(InstanceMessage::decode(many).size(), InstanceMessage::kMaxLines);
}

TEST_F(InstanceServerTest, HandedOverPathsArriveAndAnEmptyMessageAsksForTheWindow)
{
    ASSERT_TRUE(server.listen(socketPath));
    const QString latin = FileNameCodec::decode("/m/caf\xe9.mp3");
    ASSERT_TRUE(handOver({latin, u"/m/b.mp3"_s}));
    ASSERT_TRUE(received.wait(5000));
    EXPECT_EQ(received.at(0).at(0).toStringList(), (QStringList{latin, u"/m/b.mp3"_s}));
    ASSERT_TRUE(handOver({}));
    ASSERT_TRUE(activations.wait(5000));
    EXPECT_EQ(received.size(), 1);
    // Only this user may reach the socket.
    struct stat status {};
    ASSERT_EQ(::stat(QFile::encodeName(socketPath).constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 077, 0u);
}

// Junk, too much, and senders that never finish: these take every place until their time is
// over, then are cut off. None of it arrives, and the server serves again.
TEST_F(InstanceServerTest, HostileSendersChangeNothingAndBlockNobodyForLong)
{
    ASSERT_TRUE(server.listen(socketPath));
    std::array<QLocalSocket, InstanceServer::kMaxSenders + 2> senders;
    const QByteArray junk[] = {"not a path\n\x01"_ba,
                               QByteArray(InstanceMessage::kMaxBytes + 1, '/')};
    for (size_t i = 0; i < senders.size(); ++i) {
        senders[i].connectToServer(socketPath);
        ASSERT_TRUE(senders[i].waitForConnected(2000));
        senders[i].write(i < 2 ? junk[i] : "/m/stalled.mp3\n"_ba);
        ASSERT_TRUE(senders[i].waitForBytesWritten(2000));
        if (i < 2)
            senders[i].disconnectFromServer();
    }
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            handOver({u"/m/good.mp3"_s});
            return QTest::qWaitFor([&] { return !received.isEmpty(); }, 100);
        },
        10000));
    for (const QList<QVariant> &message : received)
        EXPECT_EQ(message.at(0).toStringList(), QStringList{u"/m/good.mp3"_s});
    EXPECT_TRUE(activations.isEmpty());
}

TEST_F(InstanceServerTest, AStaleSocketIsReplacedButALiveServerIsLeftAlone)
{
    // A socket file nobody listens at, as a copy that crashed leaves it.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(socketPath);
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ::close(fd);
    EXPECT_FALSE(InstanceClient::handOver(socketPath, {u"/m/a.mp3"_s}, 300)); // nobody there

    ASSERT_TRUE(server.listen(socketPath));
    InstanceServer second;
    EXPECT_FALSE(second.listen(socketPath));
    ASSERT_TRUE(handOver({u"/m/a.mp3"_s}));
    EXPECT_TRUE(received.wait(5000));
}

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
