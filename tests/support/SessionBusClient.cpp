#include "SessionBusClient.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QTest>

namespace {
constexpr int kCallTimeoutMs = 10000;
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
} // namespace

SessionBusClient::SessionBusClient(const QString &service, const QString &path)
    : m_service(service), m_path(path),
      m_connection(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                 QStringLiteral("tavro-test-client")))
{
}

SessionBusClient::~SessionBusClient()
{
    QDBusConnection::disconnectFromBus(QStringLiteral("tavro-test-client"));
}

bool SessionBusClient::waitForService(int timeoutMs)
{
    return QTest::qWaitFor(
        [this] { return m_connection.interface()->isServiceRegistered(m_service).value(); },
        timeoutMs);
}

QDBusMessage SessionBusClient::call(const QString &interface, const QString &method,
                                    const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(m_service, m_path, interface, method);
    message.setArguments(arguments);
    QDBusPendingCallWatcher watcher(m_connection.asyncCall(message, kCallTimeoutMs));
    // The bus answers every call within its timeout, with an error if need be.
    if (!QTest::qWaitFor([&watcher] { return watcher.isFinished(); }, kCallTimeoutMs + 1000))
        return QDBusMessage::createError(QDBusError::Timeout, QStringLiteral("no answer"));
    return watcher.reply();
}

QVariant SessionBusClient::property(const QString &interface, const QString &name)
{
    const QDBusMessage reply = call(kProperties, QStringLiteral("Get"), {interface, name});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    const QVariant value = reply.arguments().first().value<QDBusVariant>().variant();
    if (value.userType() == qMetaTypeId<QDBusArgument>())
        return qdbus_cast<QVariantMap>(value.value<QDBusArgument>());
    return value;
}

bool SessionBusClient::setProperty(const QString &interface, const QString &name,
                                   const QVariant &value)
{
    return call(kProperties, QStringLiteral("Set"),
                {interface, name, QVariant::fromValue(QDBusVariant(value))})
               .type() == QDBusMessage::ReplyMessage;
}
