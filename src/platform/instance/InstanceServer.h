#pragma once

#include <memory>

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;
class QLocalSocket;
class QTimer;

// The running copy's ear: a local socket, reachable by this user only, where a later copy hands
// over the file it was started with (InstanceMessage) instead of opening a second window.
class InstanceServer : public QObject {
    Q_OBJECT
public:
    // A sender that has not finished its message by then is dropped.
    static constexpr int kReadTimeoutMs = 5000;
    // Senders served at once; more are turned away until one is done.
    static constexpr int kMaxSenders = 8;

    // readTimeoutMs: how long a sender may take over its message.
    explicit InstanceServer(int readTimeoutMs = kReadTimeoutMs, QObject *parent = nullptr);
    ~InstanceServer() override;

    // Listens at path. A socket file nobody answers at (left by a copy that died) is removed
    // first; false when another server answers there, or path cannot be served.
    bool listen(const QString &path);

    // "tavro-<uid>" in the user's runtime folder ($XDG_RUNTIME_DIR).
    static QString defaultPath();

signals:
    // A later copy was started with these files.
    void pathsReceived(const QStringList &paths);
    // A later copy was started without a file.
    void activationRequested();

private:
    void accept();
    // The sender hung up, or ran out of time (its deadline is over).
    void finish(QLocalSocket *sender, QTimer *deadline);

    std::unique_ptr<QLocalServer> m_server;
    int m_readTimeoutMs;
    int m_senders = 0;
};
