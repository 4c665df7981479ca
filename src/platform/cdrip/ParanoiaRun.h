#pragma once

#include <memory>

#include "CdRipDrive.h"

typedef struct cdrom_drive_s cdrom_drive_t;
typedef struct cdrom_paranoia_s cdrom_paranoia_t;

// One ripping run over a sector range of a drive, through libcdio-paranoia or, when the
// parameter record asks for it, plain audio reads. Hands out 16-bit little-endian stereo.
class ParanoiaRun {
public:
    ~ParanoiaRun();
    ParanoiaRun(const ParanoiaRun &) = delete;
    ParanoiaRun &operator=(const ParanoiaRun &) = delete;

    // Opens a run over sectors [start, end) of the disc in cdio; null with the library code in
    // error for a range off the disc or a disc paranoia cannot read.
    static std::unique_ptr<ParanoiaRun> open(CdioHandle cdio, const CDROMPARAMS &params,
                                             std::int32_t start, std::int32_t end, CDEX_ERR &error);

    std::int32_t chunkBytes() const;
    // Fills buffer (chunkBytes) with the next sectors; see CR_RipChunk for the codes.
    CDEX_ERR readChunk(unsigned char *buffer, std::int32_t *bytes);
    // Marks the range done; the next chunk is empty.
    void abort() { m_next = m_end; }
    std::int32_t percentCompleted() const;
    std::int32_t jitterErrors() const { return m_repairs + m_skips; }

private:
    ParanoiaRun(CdioHandle cdio, cdrom_drive_t *drive);
    void configure(const CDROMPARAMS &params, std::int32_t start, std::int32_t end);
    bool readParanoia(unsigned char *buffer, int sectors);
    bool readPlain(unsigned char *buffer, int sectors);

    CdioHandle m_cdio;
    cdrom_drive_t *m_drive;
    cdrom_paranoia_t *m_paranoia = nullptr; // null for plain reads
    std::int32_t m_start = 0;
    std::int32_t m_end = 0;
    std::int32_t m_next = 0;
    int m_chunkSectors = 1;
    int m_retries = 1;
    std::int32_t m_repairs = 0;
    std::int32_t m_skips = 0;
};
