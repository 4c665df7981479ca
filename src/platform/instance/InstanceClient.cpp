#include "InstanceClient.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QThread>

#include "InstanceMessage.h"

bool InstanceClient::handOver(const QString &serverPath, const QStringList &paths, int timeoutMs)
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    for (;;) {
        socket.connectToServer(serverPath);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
    socket.write(InstanceMessage::encode(paths));
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
            return false;
    socket.disconnectFromServer();
    return socket.state() == QLocalSocket::UnconnectedState ||
           socket.waitForDisconnected(int(deadline.remainingTime()));
}
