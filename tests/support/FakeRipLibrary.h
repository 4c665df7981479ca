#pragma once

#include <vector>

#include <QByteArray>
#include <QList>
#include <QSemaphore>

#include "CdRipLibrary.h"

// A scripted ripping library: drives with parameter records, one table of contents, and a
// list of answers for CR_RipChunk. Counts the calls tests care about. A run on a worker thread
// can be held in CR_RipChunk: each chunk takes a permit of gate when one is set.
class FakeRipLibrary final : public CdRipLibrary {
public:
    struct Chunk {
        CDEX_ERR code;
        QByteArray bytes;
    };

    CDEX_ERR initResult = CR_OK;
    std::vector<CDROMPARAMS> drives;
    bool unitReady = true;
    std::vector<qint32> tocStarts; // tracks then the lead-out
    CDEX_ERR readTocResult = CR_OK;
    qint32 chunkSize = 2352;
    CDEX_ERR openResult = CR_OK;
    QList<Chunk> chunks;
    QSemaphore *gate = nullptr;
    qint32 percent = 0;

    int closeCalls = 0;
    qint32 openedStart = -1;
    qint32 openedEnd = -1;
    qint32 openedDrive = -1;

    // A drive record named name.
    static CDROMPARAMS record(const char *name);
    // Silent chunks of one sector each for a track of this many sectors.
    static QList<Chunk> track(int sectors);

    CDEX_ERR CR_Init(const char *) override { return initResult; }
    std::int32_t CR_GetNumCDROM() override { return std::int32_t(drives.size()); }
    std::int32_t CR_GetActiveCDROM() override { return m_active; }
    void CR_SetActiveCDROM(std::int32_t drive) override { m_active = drive; }
    CDEX_ERR CR_GetCDROMParameters(CDROMPARAMS *params) override;
    CDEX_ERR CR_SetCDROMParameters(const CDROMPARAMS *) override { return CR_ERROR; }
    std::int32_t CR_GetCDRipVersion() override { return 123; }
    std::int32_t CR_IsUnitReady() override { return unitReady; }
    std::int32_t CR_IsAudioPlaying() override { return 0; }
    std::int32_t CR_EjectCD(std::int32_t) override { return 1; }
    CDEX_ERR CR_PlayTrack(std::int32_t) override { return CR_ERROR; }
    CDEX_ERR CR_PauseCD(std::int32_t) override { return CR_ERROR; }
    CDEX_ERR CR_StopPlayTrack() override { return CR_OK; }
    CDEX_ERR CR_ReadToc() override { return readTocResult; }
    std::int32_t CR_GetNumTocEntries() override { return std::int32_t(tocStarts.size()) - 1; }
    TOCENTRY CR_GetTocEntry(std::int32_t entry) override;
    CDEX_ERR CR_OpenRipper(std::int32_t *bufferSize, std::int32_t start, std::int32_t end) override;
    CDEX_ERR CR_RipChunk(unsigned char *buffer, std::int32_t *numBytes,
                         std::int32_t &abort) override;
    std::int32_t CR_GetPercentCompleted() override { return percent; }
    std::int32_t CR_GetNumberOfJitterErrors() override { return 0; }
    CDEX_ERR CR_CloseRipper() override;

private:
    std::int32_t m_active = 0;
};
