#include "SoundDevices.h"

#include "CdAudioDevice.h"
#include "CdioRipLibrary.h"
#include "FileNameCodec.h"
#include "SoundErrors.h"
#include "WaveAudioDevice.h"

SoundDevices::SoundDevices(QString cdripIni, int cdDrive, PlaybackWorker::OutputFactory output)
    : m_cdripIni(std::move(cdripIni)), m_cdDrive(cdDrive), m_output(std::move(output))
{
}

// Only new recordings: playing or editing WAV files is not this device's work.
quint32 SoundDevices::openWaveAudio(const SoundCommand &command,
                                    std::unique_ptr<SoundDevice> &device) const
{
    if (command.device != "new")
        return SoundErrors::UnsupportedFunction;
    if (!AudioCapture::inputAvailable())
        return SoundErrors::NoInputDevice;
    device = std::make_unique<WaveAudioDevice>();
    return SoundErrors::None;
}

quint32 SoundDevices::open(const SoundCommand &command, std::unique_ptr<SoundDevice> &device) const
{
    if (command.type == "waveaudio")
        return openWaveAudio(command, device);
    if (command.type != "cdaudio")
        return SoundErrors::InvalidDeviceName;
    CdioRipLibrary library;
    const CdRipDrive *drive =
        library.CR_Init(FileNameCodec::encode(m_cdripIni).constData()) == CR_OK
            ? library.drive(m_cdDrive)
            : nullptr;
    if (!drive)
        return SoundErrors::CannotLoadDriver;
    device = std::make_unique<CdAudioDevice>(*drive, m_output);
    return SoundErrors::None;
}
