#pragma once

#include <memory>

#include <QString>

#include "PlaybackWorker.h"
#include "SoundCommand.h"

class SoundDevice;

// Makes the device an "open" command names. "cdaudio" plays a drive of the ripping library's
// list, read from its settings file: the first one unless told otherwise. "waveaudio" with the
// element "new" records from the default sound input.
class SoundDevices {
public:
    // cdDrive counts from 0; output makes the audio outputs (by default the system's device).
    explicit SoundDevices(QString cdripIni, int cdDrive = 0,
                          PlaybackWorker::OutputFactory output = {});

    // 0 and the device, or an error code.
    quint32 open(const SoundCommand &command, std::unique_ptr<SoundDevice> &device) const;

private:
    quint32 openWaveAudio(const SoundCommand &command, std::unique_ptr<SoundDevice> &device) const;

    QString m_cdripIni;
    int m_cdDrive;
    PlaybackWorker::OutputFactory m_output;
};
