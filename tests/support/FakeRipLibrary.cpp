#include "FakeRipLibrary.h"

#include <algorithm>
#include <cstring>

#include <QtEndian>

CDROMPARAMS FakeRipLibrary::record(const char *name)
{
    CDROMPARAMS r{};
    std::memcpy(r.data(), name, std::strlen(name));
    return r;
}

QList<FakeRipLibrary::Chunk> FakeRipLibrary::track(int sectors)
{
    QList<Chunk> sectorChunks(sectors, Chunk{CR_OK, QByteArray(2352, '\0')});
    if (sectors > 0)
        sectorChunks.last().code = CR_RANGE_DONE;
    return sectorChunks;
}

CDEX_ERR FakeRipLibrary::CR_GetCDROMParameters(CDROMPARAMS *params)
{
    if (m_active < 0 || m_active >= CR_GetNumCDROM())
        return CR_ERROR;
    *params = drives[std::size_t(m_active)];
    return CR_OK;
}

TOCENTRY FakeRipLibrary::CR_GetTocEntry(std::int32_t entry)
{
    TOCENTRY r{};
    if (entry < 0 || entry >= std::int32_t(tocStarts.size()))
        return r;
    qToLittleEndian<qint32>(tocStarts[std::size_t(entry)], r.data());
    r[TocEntryRecord::Flag] = 0x10;
    r[TocEntryRecord::TrackNumber] = quint8(entry + 1);
    return r;
}

CDEX_ERR FakeRipLibrary::CR_OpenRipper(std::int32_t *bufferSize, std::int32_t start,
                                       std::int32_t end)
{
    openedStart = start;
    openedEnd = end;
    openedDrive = m_active;
    *bufferSize = chunkSize;
    return openResult;
}

CDEX_ERR FakeRipLibrary::CR_RipChunk(unsigned char *buffer, std::int32_t *numBytes, std::int32_t &)
{
    if (gate)
        gate->acquire();
    if (chunks.isEmpty()) {
        *numBytes = 0;
        return CR_ERROR;
    }
    const Chunk chunk = chunks.takeFirst();
    std::memcpy(buffer, chunk.bytes.constData(),
                std::size_t(std::min<qint64>(chunk.bytes.size(), chunkSize)));
    *numBytes = std::int32_t(chunk.bytes.size());
    return chunk.code;
}

CDEX_ERR FakeRipLibrary::CR_CloseRipper()
{
    ++closeCalls;
    return CR_OK;
}
