#include "CdDrive.h"

#include <algorithm>

#include "CdRipErrors.h"
#include "FileNameCodec.h"

CdDrive::CdDrive(std::shared_ptr<CdRipLibrary> library) : m_library(std::move(library)) {}

void CdDrive::fInit(qint32 index)
{
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
    return FileNameCodec::decode(QByteArrayView(begin, end - begin));
}

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
