#include "CdPlayer.h"

#include <array>

#include "SoundCommands.h"

namespace {
// Every status reply is read into a buffer of this size.
constexpr quint32 kReplyLength = 40;
constexpr quint32 kErrorTextLength = 255;
constexpr qint32 kWindMilliseconds = 10000;
} // namespace

CdPlayer::CdPlayer(SoundCommands &service) : m_service(service) {}

void CdPlayer::send(const QString &command)
{
    m_service.mciSendString(command.toLocal8Bit().constData(), nullptr, 0, 0);
}

bool CdPlayer::query(const QString &command, QString &reply)
{
    std::array<char, kReplyLength> buffer{};
    if (m_service.mciSendString(command.toLocal8Bit().constData(), buffer.data(), kReplyLength,
                                0) != 0)
        return false;
    buffer.back() = '\0';
    reply = QString::fromLocal8Bit(buffer.data());
    return true;
}

QString CdPlayer::queryText(const QString &command)
{
    QString reply;
    return query(command, reply) ? reply : QString();
}

qint16 CdPlayer::queryNumber(const QString &command)
{
    QString reply;
    return query(command, reply) ? qint16(reply.trimmed().toInt()) : 0;
}

void CdPlayer::PlayTrack() { send(QStringLiteral("play cd")); }

void CdPlayer::StopTrack() { send(QStringLiteral("stop cd")); }

void CdPlayer::PlayNext()
{
    qint16 current = GetCurrentTrack();
    if (current == GetTotalNumberOfTracks())
        current = 0;
    step(current + 1);
}

void CdPlayer::PlayPrevious()
{
    qint16 current = GetCurrentTrack();
    if (current == 1)
        current = qint16(GetTotalNumberOfTracks() + 1);
    step(current - 1);
}

// Track numbers and milliseconds alike: the time format in force says which.
void CdPlayer::step(qint32 target)
{
    const bool playing = CheckIfCDIsPlaying();
    send(QStringLiteral("seek cd to ") + QString::number(target));
    if (playing)
        send(QStringLiteral("play cd from ") + QString::number(target));
}

void CdPlayer::Rewind() { wind(-kWindMilliseconds); }

void CdPlayer::Forward() { wind(kWindMilliseconds); }

void CdPlayer::wind(qint32 milliseconds)
{
    SetCDFormat_MilliSeconds();
    QString reply;
    bool isNumber = false;
    const qint64 position = query(QStringLiteral("status cd position wait"), reply)
                                ? reply.trimmed().toLongLong(&isNumber)
                                : 0;
    // Without a position there is nowhere to wind from.
    if (isNumber && position + milliseconds >= INT32_MIN && position + milliseconds <= INT32_MAX)
        step(qint32(position + milliseconds));
    SetCDFormat_TMSF();
}

void CdPlayer::EjectOpenCD() { send(QStringLiteral("set cd door open")); }

bool CdPlayer::ReadyDevice()
{
    UnloadAll();
    return SetCDPlayerReady();
}

bool CdPlayer::SetCDPlayerReady()
{
    return m_service.mciSendString("open cdaudio alias cd wait shareable", nullptr, 0, 0) == 0;
}

void CdPlayer::UnloadAll() { send(QStringLiteral("close all")); }

void CdPlayer::PauseTrack() { send(QStringLiteral("pause cd")); }

void CdPlayer::EjectCloseCD() { send(QStringLiteral("set cd door closed")); }

bool CdPlayer::CheckCD()
{
    QString reply;
    return query(QStringLiteral("status cd media present"), reply) &&
           reply.trimmed().compare(QLatin1String("true"), Qt::CaseInsensitive) == 0;
}

QString CdPlayer::GetCDLength() { return queryText(QStringLiteral("status cd length wait")); }

bool CdPlayer::CheckIfCDIsPlaying()
{
    QString reply;
    return query(QStringLiteral("status cd mode"), reply) &&
           reply.left(7) == QLatin1String("playing");
}

void CdPlayer::SetCDFormat_MilliSeconds()
{
    send(QStringLiteral("set cd time format milliseconds"));
}

void CdPlayer::SetCDFormat_TMSF() { send(QStringLiteral("set cd time format tmsf")); }

QString CdPlayer::GetMCIErrorString(quint32 error)
{
    std::array<char, kErrorTextLength> buffer{};
    m_service.mciGetErrorString(error, buffer.data(), kErrorTextLength);
    buffer.back() = '\0';
    return QString::fromLocal8Bit(buffer.data()).trimmed();
}

QString CdPlayer::GetCurrentTrackLength()
{
    const qint16 track = GetCurrentTrack();
    return queryText(QStringLiteral("status cd length track ") + QString::number(track));
}

qint16 CdPlayer::GetCurrentTrack()
{
    return queryNumber(QStringLiteral("status cd current track"));
}

qint16 CdPlayer::GetTotalNumberOfTracks()
{
    return queryNumber(QStringLiteral("status cd number of tracks"));
}

QString CdPlayer::GetCDPosition()
{
    SetCDFormat_TMSF();
    return queryText(QStringLiteral("status cd position wait"));
}
