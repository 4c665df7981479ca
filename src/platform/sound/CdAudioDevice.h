#pragma once

#include "CdRipDrive.h"
#include "DiscLayout.h"
#include "PlaybackThread.h"
#include "SoundDevice.h"

// The "cdaudio" device: plays a drive's disc (a real drive or an image) by reading its audio
// digitally and sending it to the audio output the player uses. Positions are in the time
// format set: msf (mm:ss:ff on the disc, lead-in included), tmsf (track, then mm:ss:ff into
// it; a bare number is a track) or milliseconds from the start of the disc. "seek" leaves the
// device stopped at the new place; "play" with no position resumes where the device stands.
// The door of an image is the device's own state; an open door means no media.
class CdAudioDevice : public SoundDevice {
public:
    CdAudioDevice(const CdRipDrive &drive, PlaybackWorker::OutputFactory output);

    quint32 execute(const SoundCommand &command, QByteArray &reply) override;

private:
    using TimeFormat = SoundCommand::TimeFormat;

    quint32 set(const SoundCommand &command);
    quint32 status(const SoundCommand &command, QByteArray &reply);
    quint32 play(const SoundCommand &command);
    quint32 seek(const SoundCommand &command);
    quint32 setDoor(bool open);
    // Reads the table of contents afresh; a disc that went or changed stops what plays.
    bool mediaPresent();
    // Frames from the first track's start.
    qint64 currentFrame() const;
    quint32 frameOf(const SoundPosition &position, qint64 &frame) const;
    QByteArray positionText(qint64 frame) const;
    QByteArray lengthText(qint32 sectors) const;
    qint32 firstSector() const { return m_disc.start(0); }

    CdRipDrive m_drive;
    DiscLayout m_disc;
    PlaybackThread m_playback;
    TimeFormat m_format = TimeFormat::Msf;
    bool m_doorOpen = false;
};
