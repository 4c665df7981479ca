#include "InstanceServer.h"

#include <unistd.h>

#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include "InstanceMessage.h"

namespace {
bool answersAt(const QString &path)
{
    QLocalSocket probe;
    probe.connectToServer(path);
    return probe.waitForConnected(1000);
}
} // namespace

InstanceServer::InstanceServer(int readTimeoutMs, QObject *parent)
    : QObject(parent), m_server(std::make_unique<QLocalServer>()), m_readTimeoutMs(readTimeoutMs)
{
    // The runtime folder is the user's own already; the socket is made so as well.
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server.get(), &QLocalServer::newConnection, this, &InstanceServer::accept);
}

InstanceServer::~InstanceServer()
{
    // The senders go with the server; their hang-ups must not reach a half-destroyed server.
    for (QLocalSocket *sender : m_server->findChildren<QLocalSocket *>())
        sender->disconnect(this);
}

QString InstanceServer::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/tavro-%1").arg(::getuid());
}

bool InstanceServer::listen(const QString &path)
{
    // Qt puts a user-only socket in place by renaming it over the path, which would cut a
    // running server off: one that answers keeps its place, a dead one's file is removed.
    if (answersAt(path))
        return false;
    QLocalServer::removeServer(path);
    return m_server->listen(path);
}

void InstanceServer::accept()
{
    while (QLocalSocket *sender = m_server->nextPendingConnection()) {
        if (m_senders == kMaxSenders) {
            sender->abort();
            sender->deleteLater();
            continue;
        }
        ++m_senders;
        // A full buffer stops the reading, so a sender that goes on and on runs into the
        // deadline instead of into this process's memory.
        sender->setReadBufferSize(InstanceMessage::kMaxBytes + 1);
        auto *deadline = new QTimer(sender);
        deadline->setSingleShot(true);
        const auto finishing = [this, sender, deadline] { finish(sender, deadline); };
        connect(deadline, &QTimer::timeout, this, finishing);
        connect(sender, &QLocalSocket::disconnected, this, finishing);
        deadline->start(m_readTimeoutMs);
    }
}

void InstanceServer::finish(QLocalSocket *sender, QTimer *deadline)
{
    // Once the deadline has passed, what came is not the whole message.
    const bool inTime = deadline->isActive();
    deadline->stop();
    sender->disconnect(this);
    const QByteArray message = inTime ? sender->readAll() : QByteArray();
    sender->abort();
    sender->deleteLater();
    --m_senders;
    if (!inTime || message.size() > InstanceMessage::kMaxBytes)
        return;
    const QStringList paths = InstanceMessage::decode(message);
    if (message.isEmpty())
        emit activationRequested();
    else if (!paths.isEmpty())
        emit pathsReceived(paths);
}

#include "moc_InstanceServer.cpp"
