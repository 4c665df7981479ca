#include "CdDrive.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include <QtEndian>

#include "CdRipErrors.h"

CdDrive::CdDrive(std::shared_ptr<CdRipLibrary> library) : m_library(std::move(library)) {}

void CdDrive::fInit(qint32 index)
{
    m_changed = false;
    m_index = index;
    select();
    CdRipErrors::RaiseRipError(QStringLiteral("cCDDriveInfo.fInit"),
                               m_library->CR_GetCDROMParameters(&m_params), true);
}

void CdDrive::select() { m_library->CR_SetActiveCDROM(m_index); }

QString CdDrive::Name() const
{
    const auto begin = reinterpret_cast<const char *>(m_params.data());
    const auto end = std::find(begin, begin + CdRomParams::NameBytes, '\0');
    return QString::fromLocal8Bit(begin, end - begin);
}

qint32 CdDrive::field(int offset) const
{
    return qFromLittleEndian<qint32>(m_params.data() + offset);
}

void CdDrive::setField(int offset, qint32 value)
{
    if (field(offset) == value)
        return;
    qToLittleEndian<qint32>(value, m_params.data() + offset);
    m_changed = true;
}

qint16 CdDrive::Retries() const
{
    return qFromLittleEndian<qint16>(m_params.data() + CdRomParams::Retries);
}

void CdDrive::setRetries(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw std::overflow_error("Overflow");
    if (Retries() == value)
        return;
    qToLittleEndian<qint16>(qint16(value), m_params.data() + CdRomParams::Retries);
    m_changed = true;
}

void CdDrive::Apply()
{
    if (!m_changed)
        return;
    CdRipErrors::RaiseRipError(QStringLiteral("cCDDriveInfo.Apply"),
                               m_library->CR_SetCDROMParameters(&m_params), true);
    m_changed = false;
}

void CdDrive::refresh() { fInit(m_index); }

DiscToc CdDrive::TOC()
{
    select();
    DiscToc toc(m_library);
    toc.fInit(m_index);
    return toc;
}

bool CdDrive::IsUnitReady()
{
    select();
    return m_library->CR_IsUnitReady() != 0;
}

bool CdDrive::IsAudioPlaying()
{
    select();
    return m_library->CR_IsAudioPlaying() != 0;
}

void CdDrive::EjectCD()
{
    select();
    m_library->CR_EjectCD(1);
}

void CdDrive::CloseCD()
{
    select();
    m_library->CR_EjectCD(0);
}

void CdDrive::PlayCDTrack(qint32 n)
{
    CdRipErrors::RaiseRipError(QStringLiteral("cDrive.PlayCDTrack"), m_library->CR_PlayTrack(n - 1),
                               true);
}

void CdDrive::UnpauseCD()
{
    CdRipErrors::RaiseRipError(QStringLiteral("cDrive.UnPauseCD"), m_library->CR_PauseCD(0), true);
}

void CdDrive::PauseCD()
{
    CdRipErrors::RaiseRipError(QStringLiteral("cDrive.PauseCD"), m_library->CR_PauseCD(1), true);
}

void CdDrive::StopCD()
{
    CdRipErrors::RaiseRipError(QStringLiteral("cDrive.StopCD"), m_library->CR_StopPlayTrack(),
                               true);
}
