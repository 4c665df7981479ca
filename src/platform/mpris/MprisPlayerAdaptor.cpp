#include "MprisPlayerAdaptor.h"

#include "FileNameCodec.h"

MprisPlayerAdaptor::MprisPlayerAdaptor(QObject *holder, MprisTarget &target)
    : QDBusAbstractAdaptor(holder), m_target(target)
{
    connect(&m_target, &MprisTarget::seeked, this, [this] { emit Seeked(m_target.positionUs()); });
}

QString MprisPlayerAdaptor::PlaybackStatus() const
{
    switch (m_target.status()) {
    case MprisTarget::Status::Playing: return QStringLiteral("Playing");
    case MprisTarget::Status::Paused: return QStringLiteral("Paused");
    case MprisTarget::Status::Stopped: break;
    }
    return QStringLiteral("Stopped");
}

QVariantMap MprisPlayerAdaptor::Metadata() const { return metadata(m_target.track()); }

QVariantMap MprisPlayerAdaptor::metadata(const MprisTarget::Track &track)
{
    if (track.id.isEmpty())
        return {{QStringLiteral("mpris:trackid"),
                 QVariant::fromValue(QDBusObjectPath(
                     QStringLiteral("/org/mpris/MediaPlayer2/TrackList/NoTrack")))}};
    QVariantMap map{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(track.id))},
        {QStringLiteral("mpris:length"), qlonglong(track.lengthUs)},
        {QStringLiteral("xesam:url"), FileNameCodec::toFileUrl(track.path)},
    };
    const auto text = [&map](const char *key, const QString &value) {
        if (!value.isEmpty())
            map.insert(QLatin1StringView(key), value);
    };
    const auto list = [&map](const char *key, const QString &value) {
        if (!value.isEmpty())
            map.insert(QLatin1StringView(key), QStringList{value});
    };
    text("xesam:title", track.title);
    list("xesam:artist", track.artist);
    text("xesam:album", track.album);
    text("xesam:contentCreated", track.year);
    list("xesam:comment", track.comment);
    list("xesam:genre", track.genre);
    return map;
}

void MprisPlayerAdaptor::Next() { m_target.later(&MprisTarget::next); }

void MprisPlayerAdaptor::Previous() { m_target.later(&MprisTarget::previous); }

void MprisPlayerAdaptor::Pause() { m_target.later(&MprisTarget::pause); }

void MprisPlayerAdaptor::PlayPause() { m_target.later(&MprisTarget::playPause); }

void MprisPlayerAdaptor::Stop() { m_target.later(&MprisTarget::stop); }

void MprisPlayerAdaptor::Play() { m_target.later(&MprisTarget::play); }

void MprisPlayerAdaptor::Seek(qlonglong Offset)
{
    m_target.later([&target = m_target, Offset] { target.seekBy(Offset); });
}

void MprisPlayerAdaptor::SetPosition(const QDBusObjectPath &TrackId, qlonglong Position)
{
    m_target.later(
        [&target = m_target, id = TrackId.path(), Position] { target.setPosition(id, Position); });
}

void MprisPlayerAdaptor::OpenUri(const QString &Uri)
{
    m_target.later([&target = m_target, Uri] { target.openUri(Uri); });
}

#include "moc_MprisPlayerAdaptor.cpp"
