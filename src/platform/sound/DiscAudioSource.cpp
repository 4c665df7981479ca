#include "DiscAudioSource.h"

#include <algorithm>

#include <cdio/cdio.h>

namespace {
// About a third of a second: small enough that a seek or stop answers at once.
constexpr int kChunkSectors = 25;
constexpr int kSamplesPerSector = DiscLayout::kFramesPerSector * 2;
} // namespace

DiscAudioSource::DiscAudioSource(const CdRipDrive &drive, const DiscLayout &layout)
    : m_cdio(layout.isEmpty() ? CdioHandle(nullptr, cdio_destroy) : drive.open()), m_layout(layout),
      m_next(layout.isEmpty() ? 0 : layout.start(0))
{
}

qint64 DiscAudioSource::lengthFrames() const
{
    if (m_layout.isEmpty())
        return 0;
    return qint64(m_layout.leadOut() - m_layout.start(0)) * DiscLayout::kFramesPerSector;
}

bool DiscAudioSource::seek(qint64 frame)
{
    if (!m_cdio || frame < 0 || frame > lengthFrames())
        return false;
    m_next = m_layout.start(0) + qint32(frame / DiscLayout::kFramesPerSector);
    m_skipFrames = int(frame % DiscLayout::kFramesPerSector);
    return true;
}

qint64 DiscAudioSource::decode(std::vector<float> &out)
{
    if (!m_cdio || m_next >= m_layout.leadOut())
        return 0;
    const int count = std::min<qint32>(kChunkSectors, m_layout.leadOut() - m_next);
    std::vector<qint16> samples(size_t(count) * kSamplesPerSector, 0);
    if (!readSectors(m_next, count, samples)) {
        m_next = m_layout.leadOut();
        return 0;
    }
    m_next += count;
    const size_t skip = size_t(m_skipFrames) * 2;
    m_skipFrames = 0;
    const size_t at = out.size();
    out.resize(at + samples.size() - skip);
    std::transform(samples.begin() + qsizetype(skip), samples.end(), out.begin() + qsizetype(at),
                   [](qint16 sample) { return float(sample) / 32768.0f; });
    return qint64(samples.size() - skip) / 2;
}

// Whole chunks first; sector by sector only when a chunk fails, so a bad sector costs only its
// own 1/75 second.
bool DiscAudioSource::readSectors(qint32 first, int count, std::vector<qint16> &samples)
{
    if (cdio_read_audio_sectors(m_cdio.get(), samples.data(), first, unsigned(count)) ==
        DRIVER_OP_SUCCESS) {
        for (int i = 0; i < count; ++i) {
            if (!m_layout.isAudio(first + i))
                std::fill_n(samples.begin() + qsizetype(i) * kSamplesPerSector, kSamplesPerSector,
                            0);
        }
        return true;
    }
    bool any = false;
    for (int i = 0; i < count; ++i) {
        qint16 *sector = samples.data() + qsizetype(i) * kSamplesPerSector;
        const bool audio = m_layout.isAudio(first + i);
        const bool read =
            audio && cdio_read_audio_sector(m_cdio.get(), sector, first + i) == DRIVER_OP_SUCCESS;
        if (!read)
            std::fill_n(sector, kSamplesPerSector, 0);
        any = any || read || !audio;
    }
    return any;
}
