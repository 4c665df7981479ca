#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QString>
#include <QVariant>

// A test's own connection to the session bus (test.sh starts a private one), talking to one
// object of one service. Calls wait with the event loop running, so the object may live in the
// same process.
class SessionBusClient {
public:
    SessionBusClient(const QString &service, const QString &path);
    ~SessionBusClient();

    QDBusConnection &connection() { return m_connection; }
    // Waits until the service has an owner on the bus.
    bool waitForService(int timeoutMs);
    QDBusMessage call(const QString &interface, const QString &method,
                      const QVariantList &arguments = {});
    // The property's value; a dictionary comes back as a QVariantMap. Invalid on an error.
    QVariant property(const QString &interface, const QString &name);
    bool setProperty(const QString &interface, const QString &name, const QVariant &value);

private:
    QString m_service;
    QString m_path;
    QDBusConnection m_connection;
};
