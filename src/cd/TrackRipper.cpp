#include "TrackRipper.h"

#include <algorithm>
#include <new>

#include "CdRipErrors.h"
#include "CdRipLibrary.h"
#include "DiscTocEntry.h"
#include "RaisedError.h"

namespace {
// A chunk is some sectors of 2352 bytes; a library asking for more is broken.
constexpr qint32 kMaxBufferBytes = 64 * 1024 * 1024;
} // namespace

TrackRipper::TrackRipper(std::shared_ptr<CdRipLibrary> library) : m_library(std::move(library)) {}

TrackRipper::~TrackRipper()
{
    DestroyBuffer();
    try {
        CloseRipper();
    } catch (const RaisedError &) {
    }
}

void TrackRipper::CreateForTrack(const DiscTocEntry &cTrack)
{
    if (!CloseRipper())
        return;
    m_startSector = cTrack.StartSector();
    m_endSector = cTrack.EndSector();
    m_driveIndex = cTrack.DriveIndex();
}

bool TrackRipper::CloseRipper()
{
    if (!m_ripperOpen)
        return true;
    m_ripperOpen = false;
    const CDEX_ERR result = m_library->CR_CloseRipper();
    CdRipErrors::RaiseRipError(QStringLiteral("cCDTrackRipper.CloseRipper"), result, true);
    return result == CR_OK;
}

bool TrackRipper::OpenRipper()
{
    if (!CloseRipper())
        return false;
    m_library->CR_SetActiveCDROM(m_driveIndex);
    m_percentComplete = 0;
    std::int32_t size = 0;
    const CDEX_ERR result = m_library->CR_OpenRipper(&size, m_startSector, m_endSector);
    CdRipErrors::RaiseRipError(QStringLiteral("cCDTrackRipper.OpenRipper"), result, true);
    if (result != CR_OK)
        return false;
    if (!CreateBuffer(size)) {
        // The library's run would otherwise stay open with nobody to close it.
        m_library->CR_CloseRipper();
        CdRipErrors::RaiseRipError(QStringLiteral("cCDTrackRipper.CreateBuffer"), 7, false);
    }
    m_ripperOpen = true;
    return true;
}

bool TrackRipper::Read()
{
    if (!m_ripperOpen) {
        m_readSize = 0;
        return false;
    }
    std::int32_t bytes = 0;
    std::int32_t abort = 0;
    const CDEX_ERR result = m_library->CR_RipChunk(m_buffer.get(), &bytes, abort);
    // Never more than the buffer holds, whatever the library claims.
    m_readSize = std::clamp<qint32>(bytes, 0, m_bufferSize);
    m_percentComplete = m_library->CR_GetPercentCompleted();
    switch (result) {
    case CR_OK:
    case CR_REPAIRED:
    case CR_SKIPPED: return true;
    case CR_RANGE_DONE: CloseRipper(); return true;
    case CR_ERROR:
    case CR_FILE_OPEN_ERROR:
        CloseRipper();
        CdRipErrors::RaiseRipError(QStringLiteral("cCDTrackRipper.Read"), result, true);
        return false;
    default: return false;
    }
}

bool TrackRipper::CreateBuffer(qint32 size)
{
    if (size <= 1 || size > kMaxBufferBytes)
        return false;
    if (size != m_bufferSize)
        DestroyBuffer();
    if (!m_buffer) {
        m_buffer.reset(new (std::nothrow) unsigned char[std::size_t(size)]());
        if (!m_buffer)
            return false;
    }
    m_bufferSize = size;
    return true;
}

void TrackRipper::DestroyBuffer()
{
    m_buffer.reset();
    m_bufferSize = 0;
    m_readSize = 0;
}
