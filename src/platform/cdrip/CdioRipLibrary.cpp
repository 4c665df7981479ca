#include "CdioRipLibrary.h"

#include "CdRipSettings.h"
#include "FileNameCodec.h"

// cdio.h first: the other cdio headers rely on its types.
#include <cdio/cdio.h>
#include <cdio/audio.h>
#include <cdio/logging.h>
#include <cdio/mmc.h>
#include <cdio/version.h>

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(cdioLog, "tavro.cdrip", QtWarningMsg)

// libcdio writes to stderr by default; a missing image or an empty drive is not news there.
extern "C" void onCdioLog(cdio_log_level_t level, const char message[])
{
    if (level >= CDIO_LOG_ERROR)
        qCWarning(cdioLog, "%s", message);
    else
        qCDebug(cdioLog, "%s", message);
}

std::vector<QByteArray> cdDevices()
{
    std::vector<QByteArray> devices;
    char **list = cdio_get_devices(DRIVER_DEVICE);
    for (char **device = list; device && *device; ++device)
        devices.emplace_back(*device);
    cdio_free_device_list(list);
    return devices;
}

CDEX_ERR code(driver_return_code_t result)
{
    return result == DRIVER_OP_SUCCESS ? CR_OK : CR_ERROR;
}

int playTrack(CdIo_t *cdio, std::int32_t index)
{
    const int first = cdio_get_first_track_num(cdio);
    const int count = cdio_get_num_tracks(cdio);
    if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK || index < 0 || index >= count)
        return DRIVER_OP_ERROR;
    msf_t start{}, end{};
    if (!cdio_get_track_msf(cdio, track_t(first + index), &start) ||
        !cdio_get_track_msf(cdio, CDIO_CDROM_LEADOUT_TRACK, &end))
        return DRIVER_OP_ERROR;
    return cdio_audio_play_msf(cdio, &start, &end);
}

int pauseOrResume(CdIo_t *cdio, std::int32_t pause)
{
    return pause ? cdio_audio_pause(cdio) : cdio_audio_resume(cdio);
}

int stop(CdIo_t *cdio, std::int32_t) { return cdio_audio_stop(cdio); }
} // namespace

CdioRipLibrary::CdioRipLibrary() { cdio_log_set_handler(onCdioLog); }

CdioRipLibrary::~CdioRipLibrary() = default;

CDEX_ERR CdioRipLibrary::CR_Init(const char *iniFile)
{
    if (m_initialised)
        return CR_OK;
    CdRipSettings settings;
    if (!iniFile || !settings.load(FileNameCodec::decode(iniFile)))
        return CR_FILE_OPEN_ERROR;
    if (settings.scanDevices) {
        for (const QByteArray &device : cdDevices())
            m_drives.push_back(CdRipDrive::device(device, settings));
    }
    for (const QString &image : settings.images)
        m_drives.push_back(CdRipDrive::image(FileNameCodec::encode(image), settings));
    m_initialised = true;
    return CR_OK;
}

std::int32_t CdioRipLibrary::CR_GetNumCDROM() { return std::int32_t(m_drives.size()); }

const CdRipDrive *CdioRipLibrary::drive(std::int32_t drive) const
{
    return drive >= 0 && drive < std::int32_t(m_drives.size()) ? &m_drives[std::size_t(drive)]
                                                               : nullptr;
}

CdRipDrive *CdioRipLibrary::active() { return const_cast<CdRipDrive *>(drive(m_active)); }

CDEX_ERR CdioRipLibrary::CR_GetCDROMParameters(CDROMPARAMS *params)
{
    CdRipDrive *drive = active();
    if (!drive || !params)
        return CR_ERROR;
    *params = drive->params();
    return CR_OK;
}

CDEX_ERR CdioRipLibrary::CR_SetCDROMParameters(const CDROMPARAMS *params)
{
    CdRipDrive *drive = active();
    if (!drive || !params)
        return CR_ERROR;
    drive->setParams(*params);
    return CR_OK;
}

std::int32_t CdioRipLibrary::CR_GetCDRipVersion() { return LIBCDIO_VERSION_NUM; }

std::int32_t CdioRipLibrary::CR_IsUnitReady()
{
    const CdRipDrive *drive = active();
    return drive && !drive->readToc().empty() ? 1 : 0;
}

std::int32_t CdioRipLibrary::CR_IsAudioPlaying()
{
    const CdRipDrive *drive = active();
    const CdioHandle cdio = drive ? drive->open() : CdioHandle(nullptr, cdio_destroy);
    cdio_subchannel_t subchannel{};
    return cdio && cdio_audio_read_subchannel(cdio.get(), &subchannel) == DRIVER_OP_SUCCESS &&
                   subchannel.audio_status == CDIO_MMC_READ_SUB_ST_PLAY
               ? 1
               : 0;
}

std::int32_t CdioRipLibrary::CR_EjectCD(std::int32_t eject)
{
    const CdRipDrive *drive = active();
    return drive && drive->eject(eject != 0) ? 1 : 0;
}

CDEX_ERR CdioRipLibrary::onActiveDisc(int (*operation)(CdIo_t *, std::int32_t),
                                      std::int32_t argument)
{
    const CdRipDrive *drive = active();
    const CdioHandle cdio = drive ? drive->open() : CdioHandle(nullptr, cdio_destroy);
    return cdio ? code(driver_return_code_t(operation(cdio.get(), argument))) : CR_ERROR;
}

CDEX_ERR CdioRipLibrary::CR_PlayTrack(std::int32_t track) { return onActiveDisc(playTrack, track); }

CDEX_ERR CdioRipLibrary::CR_PauseCD(std::int32_t pause)
{
    return onActiveDisc(pauseOrResume, pause);
}

CDEX_ERR CdioRipLibrary::CR_StopPlayTrack() { return onActiveDisc(stop, 0); }

CDEX_ERR CdioRipLibrary::CR_ReadToc()
{
    const CdRipDrive *drive = active();
    m_toc = drive ? drive->readToc() : std::vector<TOCENTRY>();
    return m_toc.empty() ? CR_ERROR : CR_OK;
}

std::int32_t CdioRipLibrary::CR_GetNumTocEntries()
{
    return m_toc.empty() ? 0 : std::int32_t(m_toc.size() - 1);
}

TOCENTRY CdioRipLibrary::CR_GetTocEntry(std::int32_t entry)
{
    return entry >= 0 && entry < std::int32_t(m_toc.size()) ? m_toc[std::size_t(entry)]
                                                            : TOCENTRY{};
}

CDEX_ERR CdioRipLibrary::CR_OpenRipper(std::int32_t *bufferSize, std::int32_t startSector,
                                       std::int32_t endSector)
{
    m_run.reset();
    const CdRipDrive *drive = active();
    if (!drive || !bufferSize)
        return CR_ERROR;
    CDEX_ERR error = CR_ERROR;
    m_run = ParanoiaRun::open(drive->open(), drive->params(), startSector, endSector, error);
    *bufferSize = m_run ? m_run->chunkBytes() : 0;
    return error;
}

CDEX_ERR CdioRipLibrary::CR_RipChunk(unsigned char *buffer, std::int32_t *numBytes,
                                     std::int32_t &abort)
{
    if (!numBytes)
        return CR_ERROR;
    *numBytes = 0;
    if (!m_run || !buffer)
        return CR_ERROR;
    if (abort)
        m_run->abort();
    return m_run->readChunk(buffer, numBytes);
}

std::int32_t CdioRipLibrary::CR_GetPercentCompleted()
{
    return m_run ? m_run->percentCompleted() : 0;
}

std::int32_t CdioRipLibrary::CR_GetNumberOfJitterErrors()
{
    return m_run ? m_run->jitterErrors() : 0;
}

CDEX_ERR CdioRipLibrary::CR_CloseRipper()
{
    m_run.reset();
    return CR_OK;
}
