#include "MprisService.h"

#include <unistd.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QMetaProperty>

#include "MprisPlayerAdaptor.h"
#include "MprisRootAdaptor.h"

namespace {
const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kName = QStringLiteral("org.mpris.MediaPlayer2.tavro");
} // namespace

MprisService::MprisService(MprisTarget &target, QObject *parent)
    : QObject(parent), m_target(target), m_player(new MprisPlayerAdaptor(this, target))
{
    new MprisRootAdaptor(this, target);
    connect(&m_target, &MprisTarget::changed, this, &MprisService::announceChanges);
}

MprisService::~MprisService()
{
    if (m_busName.isEmpty())
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterService(m_busName);
    bus.unregisterObject(kPath);
}

bool MprisService::publish()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.registerObject(kPath, this, QDBusConnection::ExportAdaptors))
        return false;
    for (const QString &name :
         {kName, kName + QStringLiteral(".instance") + QString::number(::getpid())}) {
        if (bus.registerService(name)) {
            m_busName = name;
            m_announced = playerProperties();
            return true;
        }
    }
    bus.unregisterObject(kPath);
    return false;
}

QVariantMap MprisService::playerProperties() const
{
    QVariantMap properties;
    const QMetaObject *meta = m_player->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (qstrcmp(property.name(), "Position") != 0)
            properties.insert(QLatin1StringView(property.name()), property.read(m_player));
    }
    return properties;
}

void MprisService::announceChanges()
{
    if (m_busName.isEmpty())
        return;
    const QVariantMap now = playerProperties();
    QVariantMap changed;
    for (auto it = now.cbegin(); it != now.cend(); ++it)
        if (m_announced.value(it.key()) != it.value())
            changed.insert(it.key(), it.value());
    if (changed.isEmpty())
        return;
    m_announced = now;
    QDBusMessage signal =
        QDBusMessage::createSignal(kPath, QStringLiteral("org.freedesktop.DBus.Properties"),
                                   QStringLiteral("PropertiesChanged"));
    signal << QStringLiteral("org.mpris.MediaPlayer2.Player") << changed << QStringList();
    QDBusConnection::sessionBus().send(signal);
}

#include "moc_MprisService.cpp"
