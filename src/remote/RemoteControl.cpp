#include "RemoteControl.h"

#include <algorithm>
#include <cmath>

#include <QUrl>

#include "DisplayName.h"
#include "FileNameCodec.h"
#include "MediaComponent.h"
#include "Mp3FileRecord.h"
#include "PlaybackEngine.h"
#include "PlaybackTables.h"
#include "Playlist.h"
#include "PlaylistActions.h"

namespace {
constexpr double kMicroseconds = 1e6;

// Tag fields are often padded with zero bytes, which a D-Bus string cannot hold.
QString tagText(const QString &field) { return field.section(QChar(0), 0, 0).trimmed(); }
} // namespace

RemoteControl::RemoteControl(PlaybackEngine &engine, PlaylistActions &actions, Playlist &playlist,
                             MediaComponent &media, WindowCalls window, QObject *parent)
    : MprisTarget(parent), m_engine(engine), m_actions(actions), m_playlist(playlist),
      m_media(media), m_window(std::move(window))
{
    connect(&m_engine, &PlaybackEngine::displayChanged, this, &RemoteControl::refresh);
    connect(&m_engine, &PlaybackEngine::seeked, this, &RemoteControl::seeked);
}

MprisTarget::Status RemoteControl::status() const
{
    if (!m_engine.display().pauseEnabled)
        return Status::Stopped;
    return m_engine.paused() ? Status::Paused : Status::Playing;
}

qint64 RemoteControl::positionUs() const
{
    return status() == Status::Stopped ? 0 : qint64(m_media.currentPosition() * kMicroseconds);
}

double RemoteControl::volume() const
{
    return m_engine.display().volumeLevel / double(PlaybackTables::kLevels - 1);
}

void RemoteControl::setVolume(double volume)
{
    if (std::isfinite(volume))
        m_engine.setVolumeLevel(
            int(std::lround(std::clamp(volume, 0.0, 1.0) * (PlaybackTables::kLevels - 1))));
}

double RemoteControl::rate() const
{
    return PlaybackTables::rateFor(m_engine.display().speedLevel);
}

void RemoteControl::setRate(double rate)
{
    if (!std::isfinite(rate))
        return;
    int nearest = 0;
    for (int level = 1; level < PlaybackTables::kLevels; ++level)
        if (std::abs(PlaybackTables::rateFor(level) - rate) <
            std::abs(PlaybackTables::rateFor(nearest) - rate))
            nearest = level;
    m_engine.setSpeedLevel(nearest);
}

double RemoteControl::minimumRate() const { return PlaybackTables::rateFor(0); }

double RemoteControl::maximumRate() const
{
    return PlaybackTables::rateFor(PlaybackTables::kLevels - 1);
}

bool RemoteControl::canGoNext() const { return !m_actions.stepRefusal(+1); }

bool RemoteControl::canGoPrevious() const { return !m_actions.stepRefusal(-1); }

bool RemoteControl::canPlay() const { return !m_playlist.isEmpty(); }

bool RemoteControl::canSeek() const { return canPause() && m_track.lengthUs > 0; }

void RemoteControl::play()
{
    switch (status()) {
    case Status::Paused: m_engine.resume(); break;
    case Status::Stopped: m_engine.StartPlayback(); break;
    case Status::Playing: break;
    }
}

void RemoteControl::pause()
{
    if (status() == Status::Playing)
        m_engine.pause();
}

void RemoteControl::playPause()
{
    if (status() == Status::Playing)
        m_engine.pause();
    else
        play();
}

void RemoteControl::stop() { m_engine.StopPlayback(); }

void RemoteControl::next() { m_actions.next(); }

void RemoteControl::previous() { m_actions.previous(); }

void RemoteControl::seekBy(qint64 offsetUs)
{
    if (!canSeek())
        return;
    const qint64 position = std::clamp(positionUs(), qint64(0), m_track.lengthUs);
    if (offsetUs > m_track.lengthUs - position) {
        if (canGoNext())
            next();
        return;
    }
    m_engine.seekByBar((position + std::max(offsetUs, -position)) / kMicroseconds);
}

void RemoteControl::setPosition(const QString &trackId, qint64 positionUs)
{
    if (canSeek() && trackId == m_track.id && positionUs >= 0 && positionUs <= m_track.lengthUs)
        m_engine.seekByBar(positionUs / kMicroseconds);
}

void RemoteControl::openUri(const QString &uri)
{
    const QString path = FileNameCodec::fromFileUrl(QUrl(uri));
    if (!path.isEmpty())
        m_window.playFiles({path});
}

void RemoteControl::refresh()
{
    const QString path = status() == Status::Stopped ? QString() : m_media.fileName();
    if (path != m_track.path)
        readTrack(path);
    emit changed();
}

void RemoteControl::readTrack(const QString &path)
{
    m_track = {};
    if (path.isEmpty())
        return;
    Mp3FileRecord record;
    record.setFullName(path);
    record.ReadMP3Info();
    m_track.id = QStringLiteral("/io/tavro/Tavro/Track/") + QString::number(++m_serial);
    m_track.lengthUs = qint64(m_media.duration() * kMicroseconds);
    m_track.path = path;
    m_track.title = tagText(record.title());
    if (m_track.title.isEmpty())
        m_track.title = FileNameCodec::display(DisplayName::of(path));
    m_track.artist = tagText(record.artist());
    m_track.album = tagText(record.album());
    m_track.year = tagText(record.Year());
    m_track.comment = tagText(record.Comment());
    // A genre byte outside the list (255 is "none") reads "Unknown", which is no genre to show.
    if (const QString genre = tagText(record.Genre()); genre != QLatin1StringView("Unknown"))
        m_track.genre = genre;
}

#include "moc_RemoteControl.cpp"
