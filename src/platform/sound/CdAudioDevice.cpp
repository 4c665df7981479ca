#include "CdAudioDevice.h"

#include <cmath>

#include "DiscAudioSource.h"
#include "SoundErrors.h"

namespace {
using Verb = SoundCommand::Verb;
using StatusItem = SoundCommand::StatusItem;

constexpr qint64 kFramesPerSector = DiscLayout::kFramesPerSector;
constexpr qint64 kSectorsPerSecond = DiscLayout::kSectorsPerSecond;
constexpr qint64 kFramesPerSecond = DiscAudioSource::kSampleRate;
// The lead-in before sector 0, which msf positions count.
constexpr qint64 kLeadInSectors = 150;

QByteArray twoDigits(qint64 value) { return QByteArray::number(value).rightJustified(2, '0'); }

// mm:ss:ff, minutes as wide as they need.
QByteArray minutesSecondsFrames(qint64 sectors)
{
    return twoDigits(sectors / (60 * kSectorsPerSecond)) + ':' +
           twoDigits(sectors / kSectorsPerSecond % 60) + ':' +
           twoDigits(sectors % kSectorsPerSecond);
}

QByteArray boolean(bool value) { return value ? "true" : "false"; }

QByteArray formatName(SoundCommand::TimeFormat format)
{
    switch (format) {
    case SoundCommand::TimeFormat::Tmsf: return "tmsf";
    case SoundCommand::TimeFormat::Milliseconds: return "milliseconds";
    default: return "msf";
    }
}
} // namespace

CdAudioDevice::CdAudioDevice(const CdRipDrive &drive, PlaybackWorker::OutputFactory output)
    : m_drive(drive), m_playback(std::move(output))
{
    mediaPresent();
}

quint32 CdAudioDevice::execute(const SoundCommand &command, QByteArray &reply)
{
    switch (command.verb) {
    case Verb::Set: return set(command);
    case Verb::Status: return status(command, reply);
    case Verb::Play: return play(command);
    case Verb::Seek: return seek(command);
    case Verb::Pause: m_playback.pause(); return SoundErrors::None;
    case Verb::Stop: m_playback.stop(); return SoundErrors::None;
    default: return SoundErrors::UnsupportedFunction;
    }
}

quint32 CdAudioDevice::set(const SoundCommand &command)
{
    if (command.bitsPerSample || command.channels || command.bytesPerSecond ||
        command.samplesPerSecond || command.alignment)
        return SoundErrors::UnsupportedFunction;
    if (command.timeFormat) {
        if (*command.timeFormat == TimeFormat::Bytes || *command.timeFormat == TimeFormat::Samples)
            return SoundErrors::BadTimeFormat;
        m_format = *command.timeFormat;
    }
    return command.doorOpen ? setDoor(*command.doorOpen) : SoundErrors::None;
}

quint32 CdAudioDevice::setDoor(bool open)
{
    if (!m_drive.isImage() && !m_drive.eject(open))
        return SoundErrors::DeviceNotReady;
    m_doorOpen = open;
    mediaPresent();
    return SoundErrors::None;
}

bool CdAudioDevice::mediaPresent()
{
    const DiscLayout disc(m_doorOpen ? std::vector<TOCENTRY>() : m_drive.readToc());
    if (disc != m_disc) {
        m_disc = disc;
        m_playback.load(disc.isEmpty() ? nullptr
                                       : std::make_shared<DiscAudioSource>(m_drive, m_disc));
    }
    return !m_disc.isEmpty();
}

quint32 CdAudioDevice::status(const SoundCommand &command, QByteArray &reply)
{
    switch (command.item) {
    case StatusItem::MediaPresent:
    case StatusItem::Ready: reply = boolean(mediaPresent()); return SoundErrors::None;
    case StatusItem::Mode:
        reply = m_doorOpen             ? "open"
                : m_disc.isEmpty()     ? "not ready"
                : m_playback.playing() ? "playing"
                : m_playback.paused()  ? "paused"
                                       : "stopped";
        return SoundErrors::None;
    case StatusItem::TimeFormat: reply = formatName(m_format); return SoundErrors::None;
    default: break;
    }
    if (m_disc.isEmpty())
        return SoundErrors::DeviceNotReady;
    const int index = command.track ? m_disc.indexOf(int(*command.track)) : -1;
    if (command.track && index < 0)
        return SoundErrors::OutOfRange;
    switch (command.item) {
    case StatusItem::NumberOfTracks: reply = QByteArray::number(m_disc.count()); break;
    case StatusItem::CurrentTrack:
        reply = QByteArray::number(m_disc.number(
            m_disc.indexAt(firstSector() + qint32(currentFrame() / kFramesPerSector))));
        break;
    case StatusItem::Length:
        reply = lengthText(command.track ? m_disc.end(index) - m_disc.start(index)
                                         : m_disc.leadOut() - firstSector());
        break;
    default: // Position
        reply = positionText(command.track
                                 ? qint64(m_disc.start(index) - firstSector()) * kFramesPerSector
                                 : currentFrame());
        break;
    }
    return SoundErrors::None;
}

quint32 CdAudioDevice::play(const SoundCommand &command)
{
    if (m_doorOpen || m_disc.isEmpty())
        return SoundErrors::DeviceNotReady;
    if (command.from) {
        qint64 frame = 0;
        if (const quint32 error = frameOf(*command.from, frame))
            return error;
        m_playback.stop();
        m_playback.seek(double(frame) / kFramesPerSecond);
    }
    m_playback.play();
    return SoundErrors::None;
}

quint32 CdAudioDevice::seek(const SoundCommand &command)
{
    if (m_doorOpen || m_disc.isEmpty())
        return SoundErrors::DeviceNotReady;
    const qint64 length = qint64(m_disc.leadOut() - firstSector()) * kFramesPerSector;
    qint64 frame = command.seekTarget == SoundCommand::SeekTarget::End ? length : 0;
    if (command.to) {
        if (const quint32 error = frameOf(*command.to, frame))
            return error;
    }
    m_playback.stop();
    m_playback.seek(double(frame) / kFramesPerSecond);
    return SoundErrors::None;
}

qint64 CdAudioDevice::currentFrame() const
{
    const qint64 length = qint64(m_disc.leadOut() - firstSector()) * kFramesPerSector;
    return std::clamp<qint64>(std::llround(m_playback.position() * kFramesPerSecond), 0, length);
}

quint32 CdAudioDevice::frameOf(const SoundPosition &position, qint64 &frame) const
{
    const QList<qint64> &f = position.fields;
    qint64 sector = 0;
    qint64 extraFrames = 0;
    if (m_format == TimeFormat::Milliseconds) {
        if (f.size() != 1)
            return SoundErrors::BadInteger;
        const qint64 absolute = f[0] * kFramesPerSecond / 1000;
        sector = absolute / kFramesPerSector;
        extraFrames = absolute % kFramesPerSector;
    } else if (m_format == TimeFormat::Tmsf) {
        const int index = f[0] > 0 && f[0] < 100 ? m_disc.indexOf(int(f[0])) : -1;
        if (index < 0 || (f.size() > 2 && f[2] >= 60) || (f.size() > 3 && f[3] >= 75))
            return SoundErrors::OutOfRange;
        sector =
            m_disc.start(index) + (f.value(1) * 60 + f.value(2)) * kSectorsPerSecond + f.value(3);
    } else {
        if (f.size() > 3 || (f.size() > 1 && f[1] >= 60) || (f.size() > 2 && f[2] >= 75))
            return SoundErrors::OutOfRange;
        sector = (f[0] * 60 + f.value(1)) * kSectorsPerSecond + f.value(2) - kLeadInSectors;
    }
    if (sector < firstSector() || sector > m_disc.leadOut() ||
        (sector == m_disc.leadOut() && extraFrames > 0))
        return SoundErrors::OutOfRange;
    frame = (sector - firstSector()) * kFramesPerSector + extraFrames;
    return SoundErrors::None;
}

QByteArray CdAudioDevice::positionText(qint64 frame) const
{
    const qint64 sector = firstSector() + frame / kFramesPerSector;
    switch (m_format) {
    case TimeFormat::Milliseconds:
        return QByteArray::number((qint64(firstSector()) * kFramesPerSector + frame) * 1000 /
                                  kFramesPerSecond);
    case TimeFormat::Tmsf: {
        const int index = m_disc.indexAt(qint32(sector));
        return twoDigits(m_disc.number(index)) + ':' +
               minutesSecondsFrames(sector - m_disc.start(index));
    }
    default: return minutesSecondsFrames(sector + kLeadInSectors);
    }
}

QByteArray CdAudioDevice::lengthText(qint32 sectors) const
{
    if (m_format == TimeFormat::Milliseconds)
        return QByteArray::number(qint64(sectors) * 1000 / kSectorsPerSecond);
    return minutesSecondsFrames(sectors);
}
