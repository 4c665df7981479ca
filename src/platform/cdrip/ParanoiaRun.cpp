#include "ParanoiaRun.h"

#define DO_NOT_WANT_PARANOIA_COMPATIBILITY
#include <algorithm>

#include <cdio/cdio.h>
#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <QtEndian>

namespace {
constexpr int kSectorBytes = CDIO_CD_FRAMESIZE_RAW;
constexpr int kMaxChunkSectors = 200;

// Paranoia's callback carries no context: the run being read counts its events here.
struct Events {
    int repairs = 0;
    int skips = 0;
};
thread_local Events *t_events = nullptr;

extern "C" void onParanoiaEvent(long, paranoia_cb_mode_t mode)
{
    if (!t_events)
        return;
    switch (mode) {
    case PARANOIA_CB_FIXUP_EDGE:
    case PARANOIA_CB_FIXUP_ATOM:
    case PARANOIA_CB_FIXUP_DROPPED:
    case PARANOIA_CB_FIXUP_DUPED:
    case PARANOIA_CB_DRIFT: ++t_events->repairs; break;
    case PARANOIA_CB_SKIP:
    case PARANOIA_CB_READERR: ++t_events->skips; break;
    default: break;
    }
}

std::int32_t int32At(const CDROMPARAMS &params, int offset)
{
    return qFromLittleEndian<qint32>(params.data() + offset);
}

// Samples come in the host's order (paranoia and cdda swap a big-endian drive's data).
void toLittleEndian(unsigned char *bytes, int sectors)
{
    qToLittleEndian<qint16>(bytes, qsizetype(sectors) * kSectorBytes / 2, bytes);
}
} // namespace

ParanoiaRun::ParanoiaRun(CdioHandle cdio, cdrom_drive_t *drive)
    : m_cdio(std::move(cdio)), m_drive(drive)
{
}

ParanoiaRun::~ParanoiaRun()
{
    if (m_paranoia)
        cdio_paranoia_free(m_paranoia);
    cdio_cddap_close_no_free_cdio(m_drive);
}

std::unique_ptr<ParanoiaRun> ParanoiaRun::open(CdioHandle cdio, const CDROMPARAMS &params,
                                               std::int32_t start, std::int32_t end,
                                               CDEX_ERR &error)
{
    error = CR_ERROR;
    if (!cdio)
        return nullptr;
    const lsn_t leadOut = cdio_get_track_lsn(cdio.get(), CDIO_CDROM_LEADOUT_TRACK);
    if (leadOut == CDIO_INVALID_LSN || start < 0 || end <= start || end > leadOut)
        return nullptr;
    char *messages = nullptr;
    cdrom_drive_t *drive = cdio_cddap_identify_cdio(cdio.get(), CDDA_MESSAGE_FORGETIT, &messages);
    cdio_cddap_free_messages(messages);
    if (!drive)
        return nullptr;
    std::unique_ptr<ParanoiaRun> run(new ParanoiaRun(std::move(cdio), drive));
    cdio_cddap_verbose_set(drive, CDDA_MESSAGE_FORGETIT, CDDA_MESSAGE_FORGETIT);
    if (cdio_cddap_open(drive) != 0)
        return nullptr;
    // Silence gives paranoia nothing to guess the byte order from; drives and images are
    // little-endian unless shown otherwise.
    if (drive->bigendianp < 0)
        drive->bigendianp = 0;
    run->configure(params, start, end);
    error = CR_OK;
    return run;
}

void ParanoiaRun::configure(const CDROMPARAMS &params, std::int32_t start, std::int32_t end)
{
    namespace P = CdRomParams;
    m_start = m_next = start;
    m_end = end;
    m_chunkSectors = std::clamp(int32At(params, P::ReadSectors), 1, kMaxChunkSectors);
    m_retries = std::max(1, int(qFromLittleEndian<qint16>(params.data() + P::Retries)));
    const std::int32_t speed = int32At(params, P::CDSpeed);
    if (speed > 0)
        cdio_cddap_speed_set(m_drive, speed);
    if (int32At(params, P::RippingMethod) == P::RipPlain)
        return;
    m_paranoia = cdio_paranoia_init(m_drive);
    cdio_paranoia_modeset(m_paranoia, PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
    cdio_paranoia_seek(m_paranoia, start, SEEK_SET);
}

std::int32_t ParanoiaRun::chunkBytes() const { return m_chunkSectors * kSectorBytes; }

std::int32_t ParanoiaRun::percentCompleted() const
{
    return std::int32_t(qint64(m_next - m_start) * 100 / (m_end - m_start));
}

CDEX_ERR ParanoiaRun::readChunk(unsigned char *buffer, std::int32_t *bytes)
{
    *bytes = 0;
    const int sectors = std::min(m_chunkSectors, m_end - m_next);
    if (sectors <= 0)
        return CR_RANGE_DONE;
    const int repairs = m_repairs;
    const int skips = m_skips;
    if (!(m_paranoia ? readParanoia(buffer, sectors) : readPlain(buffer, sectors)))
        return CR_ERROR;
    toLittleEndian(buffer, sectors);
    m_next += sectors;
    *bytes = sectors * kSectorBytes;
    if (m_next >= m_end)
        return CR_RANGE_DONE;
    if (m_skips != skips)
        return CR_SKIPPED;
    return m_repairs != repairs ? CR_REPAIRED : CR_OK;
}

bool ParanoiaRun::readParanoia(unsigned char *buffer, int sectors)
{
    Events events;
    t_events = &events;
    bool ok = true;
    for (int i = 0; i < sectors && ok; ++i) {
        const int16_t *sector = cdio_paranoia_read_limited(m_paranoia, onParanoiaEvent, m_retries);
        ok = sector != nullptr;
        if (ok)
            std::copy_n(reinterpret_cast<const unsigned char *>(sector), kSectorBytes,
                        buffer + i * kSectorBytes);
    }
    t_events = nullptr;
    m_repairs += events.repairs;
    m_skips += events.skips;
    return ok;
}

bool ParanoiaRun::readPlain(unsigned char *buffer, int sectors)
{
    for (int done = 0; done < sectors;) {
        const long read =
            cdio_cddap_read(m_drive, buffer + done * kSectorBytes, m_next + done, sectors - done);
        if (read <= 0)
            return false;
        done += int(read);
    }
    return true;
}
