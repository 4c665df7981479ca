#pragma once

#include <memory>
#include <vector>

#include "CdRipDrive.h"
#include "CdRipLibrary.h"
#include "ParanoiaRun.h"

// The ripping library over libcdio and libcdio-paranoia. Drives are the machine's CD devices
// (unless the settings turn them off), then the disc images the settings file lists; an image
// whose file is missing or unreadable is a drive without a disc. See CdRipSettings for the file.
class CdioRipLibrary final : public CdRipLibrary {
public:
    CdioRipLibrary();
    ~CdioRipLibrary() override;

    CDEX_ERR CR_Init(const char *iniFile) override;
    std::int32_t CR_GetNumCDROM() override;
    std::int32_t CR_GetActiveCDROM() override { return m_active; }
    void CR_SetActiveCDROM(std::int32_t drive) override { m_active = drive; }
    CDEX_ERR CR_GetCDROMParameters(CDROMPARAMS *params) override;
    CDEX_ERR CR_SetCDROMParameters(const CDROMPARAMS *params) override;
    std::int32_t CR_GetCDRipVersion() override;
    std::int32_t CR_IsUnitReady() override;
    std::int32_t CR_IsAudioPlaying() override;
    std::int32_t CR_EjectCD(std::int32_t eject) override;
    CDEX_ERR CR_PlayTrack(std::int32_t track) override;
    CDEX_ERR CR_PauseCD(std::int32_t pause) override;
    CDEX_ERR CR_StopPlayTrack() override;
    CDEX_ERR CR_ReadToc() override;
    std::int32_t CR_GetNumTocEntries() override;
    TOCENTRY CR_GetTocEntry(std::int32_t entry) override;
    CDEX_ERR CR_OpenRipper(std::int32_t *bufferSize, std::int32_t startSector,
                           std::int32_t endSector) override;
    CDEX_ERR CR_RipChunk(unsigned char *buffer, std::int32_t *numBytes,
                         std::int32_t &abort) override;
    std::int32_t CR_GetPercentCompleted() override;
    std::int32_t CR_GetNumberOfJitterErrors() override;
    CDEX_ERR CR_CloseRipper() override;

    // Drive number `drive` (from 0) of the list, null when there is none.
    const CdRipDrive *drive(std::int32_t drive) const;

private:
    // Null when the active number names no drive.
    CdRipDrive *active();
    CDEX_ERR onActiveDisc(int (*operation)(CdIo_t *, std::int32_t), std::int32_t argument);

    bool m_initialised = false;
    std::vector<CdRipDrive> m_drives;
    std::int32_t m_active = 0;
    std::vector<TOCENTRY> m_toc; // tracks, then the lead-out
    std::unique_ptr<ParanoiaRun> m_run;
};
