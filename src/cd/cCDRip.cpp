#include "cCDRip.h"

#include "mCDRip.h"
#include "platform/cdrip/CdioRipLibrary.h"

#include <QFile>

cCDRip::cCDRip()
    : cCDRip(std::make_shared<CdioRipLibrary>())
{
}

cCDRip::cCDRip(std::shared_ptr<CdRipLibrary> library)
    : m_library(std::move(library))
{
}

void cCDRip::Create(const QString &sIniFile)
{
    if (m_initialised)
        return;
    const CDEX_ERR result = m_library->CR_Init(QFile::encodeName(sIniFile).constData());
    m_initialised = result == CR_OK;
    mCDRip::RaiseRipError(QStringLiteral("cCDDriveRip_Create"), result, true);
}

qint32 cCDRip::CDDriveCount() const
{
    if (!m_initialised)
        mCDRip::RaiseRipError(QStringLiteral("cCDDriveRip.CDDriveCount"), 1, false);
    return m_library->CR_GetNumCDROM();
}

qint32 cCDRip::Version() const { return m_library->CR_GetCDRipVersion(); }

cDrive cCDRip::CDDrive(qint32 nIndex) const
{
    cDrive drive(m_library);
    drive.fInit(nIndex - 1);
    return drive;
}

qint32 cCDRip::ActiveCDDriveIndex() const { return m_library->CR_GetActiveCDROM() + 1; }
