#include "CdDrives.h"

#include "CdRipErrors.h"
#include "CdioRipLibrary.h"
#include "FileNameCodec.h"

CdDrives::CdDrives() : CdDrives(std::make_shared<CdioRipLibrary>()) {}

CdDrives::CdDrives(std::shared_ptr<CdRipLibrary> library) : m_library(std::move(library)) {}

void CdDrives::Create(const QString &sIniFile)
{
    if (m_initialised)
        return;
    const CDEX_ERR result = m_library->CR_Init(FileNameCodec::encode(sIniFile).constData());
    m_initialised = result == CR_OK;
    CdRipErrors::RaiseRipError(QStringLiteral("cCDDriveRip_Create"), result, true);
}

qint32 CdDrives::CDDriveCount() const
{
    if (!m_initialised)
        CdRipErrors::RaiseRipError(QStringLiteral("cCDDriveRip.CDDriveCount"), 1, false);
    return m_library->CR_GetNumCDROM();
}

CdDrive CdDrives::CDDrive(qint32 nIndex) const
{
    CdDrive drive(m_library);
    drive.fInit(nIndex - 1);
    return drive;
}
