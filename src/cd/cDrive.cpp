#include "cDrive.h"

#include "mCDRip.h"

#include <QtEndian>

#include <algorithm>
#include <limits>
#include <stdexcept>

cDrive::cDrive(std::shared_ptr<CdRipLibrary> library)
    : m_library(std::move(library))
{
}

void cDrive::fInit(qint32 index)
{
    m_changed = false;
    m_index = index;
    select();
    mCDRip::RaiseRipError(QStringLiteral("cCDDriveInfo.fInit"), m_library->CR_GetCDROMParameters(&m_params), true);
}

void cDrive::select() { m_library->CR_SetActiveCDROM(m_index); }

QString cDrive::Name() const
{
    const auto begin = reinterpret_cast<const char *>(m_params.data());
    const auto end = std::find(begin, begin + CdRomParams::NameBytes, '\0');
    return QString::fromLocal8Bit(begin, end - begin);
}

qint32 cDrive::field(int offset) const { return qFromLittleEndian<qint32>(m_params.data() + offset); }

void cDrive::setField(int offset, qint32 value)
{
    if (field(offset) == value)
        return;
    qToLittleEndian<qint32>(value, m_params.data() + offset);
    m_changed = true;
}

qint16 cDrive::Retries() const { return qFromLittleEndian<qint16>(m_params.data() + CdRomParams::Retries); }

void cDrive::setRetries(qint64 value)
{
    if (value < std::numeric_limits<qint16>::min() || value > std::numeric_limits<qint16>::max())
        throw std::overflow_error("Overflow");
    if (Retries() == value)
        return;
    qToLittleEndian<qint16>(qint16(value), m_params.data() + CdRomParams::Retries);
    m_changed = true;
}

void cDrive::Apply()
{
    if (!m_changed)
        return;
    mCDRip::RaiseRipError(QStringLiteral("cCDDriveInfo.Apply"), m_library->CR_SetCDROMParameters(&m_params), true);
    m_changed = false;
}

void cDrive::refresh() { fInit(m_index); }

cToc cDrive::TOC()
{
    select();
    cToc toc(m_library);
    toc.fInit(m_index);
    return toc;
}

bool cDrive::IsUnitReady()
{
    select();
    return m_library->CR_IsUnitReady() != 0;
}

bool cDrive::IsAudioPlaying()
{
    select();
    return m_library->CR_IsAudioPlaying() != 0;
}

void cDrive::EjectCD()
{
    select();
    m_library->CR_EjectCD(1);
}

void cDrive::CloseCD()
{
    select();
    m_library->CR_EjectCD(0);
}

void cDrive::PlayCDTrack(qint32 n)
{
    mCDRip::RaiseRipError(QStringLiteral("cDrive.PlayCDTrack"), m_library->CR_PlayTrack(n - 1), true);
}

void cDrive::UnpauseCD() { mCDRip::RaiseRipError(QStringLiteral("cDrive.UnPauseCD"), m_library->CR_PauseCD(0), true); }

void cDrive::PauseCD() { mCDRip::RaiseRipError(QStringLiteral("cDrive.PauseCD"), m_library->CR_PauseCD(1), true); }

void cDrive::StopCD() { mCDRip::RaiseRipError(QStringLiteral("cDrive.StopCD"), m_library->CR_StopPlayTrack(), true); }
