#include <array>
#include <cstring>

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "FileNameCodec.h"
#include "InstanceClient.h"
#include "InstanceMessage.h"
#include "InstanceServer.h"

using namespace Qt::Literals::StringLiterals;

namespace {
class InstanceServerTest : public ::testing::Test {
protected:
    // The client blocks, so the server's side runs on this thread's loop afterwards.
    bool handOver(const QStringList &paths)
    {
        return InstanceClient::handOver(socketPath, paths, 2000);
    }
    // Sends raw bytes as a sender that is not one of ours might.
    static void sendRaw(QLocalSocket &socket, const QString &path, const QByteArray &bytes)
    {
        socket.connectToServer(path);
        ASSERT_TRUE(socket.waitForConnected(2000));
        socket.write(bytes);
        ASSERT_TRUE(socket.waitForBytesWritten(2000));
    }

    QTemporaryDir dir;
    const QString socketPath = dir.filePath(u"tavro-test"_s);
    InstanceServer server;
    QSignalSpy received{&server, &InstanceServer::pathsReceived};
    QSignalSpy activations{&server, &InstanceServer::activationRequested};
};
} // namespace

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

TEST_F(InstanceServerTest, JunkTooMuchAndStalledSendersChangeNothingAndBlockNobody)
{
    ASSERT_TRUE(server.listen(socketPath));
    QLocalSocket stalled; // never hangs up
    sendRaw(stalled, socketPath, "/m/stalled.mp3\n");
    for (const QByteArray &bytes :
         {"not a path\n\x01\x02"_ba, QByteArray(InstanceMessage::kMaxBytes + 1, '/')}) {
        QLocalSocket junk;
        sendRaw(junk, socketPath, bytes);
        junk.disconnectFromServer();
    }
    // Two good messages after them: the junk's hang-ups have been seen by the second.
    for (const QString &good : {u"/m/one.mp3"_s, u"/m/two.mp3"_s})
        ASSERT_TRUE(handOver({good}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 5000));
    EXPECT_EQ(received.at(1).at(0).toStringList(), QStringList{u"/m/two.mp3"_s});
    EXPECT_EQ(activations.size(), 0);
}

// Senders that never finish take every place, until their time is over: then they are cut off
// without a word of theirs arriving, and the server serves again.
TEST_F(InstanceServerTest, SendersOutOfTimeAreCutOffAndFreeTheirPlaces)
{
    InstanceServer quick(300);
    QSignalSpy quickReceived(&quick, &InstanceServer::pathsReceived);
    ASSERT_TRUE(quick.listen(socketPath));
    std::array<QLocalSocket, InstanceServer::kMaxSenders> stalled;
    for (QLocalSocket &socket : stalled)
        sendRaw(socket, socketPath, "/m/stalled.mp3\n");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            InstanceClient::handOver(socketPath, {u"/m/good.mp3"_s}, 1000);
            return QTest::qWaitFor([&] { return !quickReceived.isEmpty(); }, 100);
        },
        10000));
    for (const QList<QVariant> &message : quickReceived)
        EXPECT_EQ(message.at(0).toStringList(), QStringList{u"/m/good.mp3"_s});
    EXPECT_TRUE(stalled[0].state() == QLocalSocket::UnconnectedState ||
                stalled[0].waitForDisconnected(2000));
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
    ASSERT_TRUE(QFile::exists(socketPath));

    ASSERT_TRUE(server.listen(socketPath));
    InstanceServer second;
    EXPECT_FALSE(second.listen(socketPath));
    ASSERT_TRUE(handOver({u"/m/a.mp3"_s}));
    EXPECT_TRUE(received.wait(5000));
}

TEST_F(InstanceServerTest, AHandOverWithNobodyListeningGivesUp)
{
    EXPECT_FALSE(InstanceClient::handOver(socketPath, {u"/m/a.mp3"_s}, 300));
}
