#include "SoundDevices.h"

#include <QFile>

#include "CdAudioDevice.h"
#include "CdioRipLibrary.h"
#include "SoundErrors.h"

SoundDevices::SoundDevices(QString cdripIni, int cdDrive, PlaybackWorker::OutputFactory output)
    : m_cdripIni(std::move(cdripIni)), m_cdDrive(cdDrive), m_output(std::move(output))
{
}

quint32 SoundDevices::open(const SoundCommand &command, std::unique_ptr<SoundDevice> &device) const
{
    if (command.type != "cdaudio")
        return command.type == "waveaudio" ? SoundErrors::CannotLoadDriver
                                           : SoundErrors::InvalidDeviceName;
    CdioRipLibrary library;
    const CdRipDrive *drive = library.CR_Init(QFile::encodeName(m_cdripIni).constData()) == CR_OK
                                  ? library.drive(m_cdDrive)
                                  : nullptr;
    if (!drive)
        return SoundErrors::CannotLoadDriver;
    device = std::make_unique<CdAudioDevice>(*drive, m_output);
    return SoundErrors::None;
}
