#include "CdDriveList.h"

#include "CdRipSettings.h"
#include "RaisedError.h"

CdDriveList::CdDriveList(std::shared_ptr<CdRipLibrary> library)
    : m_drives(library ? CdDrives(std::move(library)) : CdDrives())
{
}

QString CdDriveList::errorText(const std::exception &error)
{
    const auto *raised = dynamic_cast<const RaisedError *>(&error);
    return raised ? raised->text() : QString::fromLocal8Bit(error.what());
}

QStringList CdDriveList::load(QString &error)
{
    QStringList names;
    try {
        m_drives.Create(CdRipSettings::defaultPath());
        for (qint32 i = 1; i <= m_drives.CDDriveCount(); ++i)
            names << m_drives.CDDrive(i).Name();
    } catch (const std::exception &failure) {
        error = errorText(failure);
    }
    return names;
}

std::optional<CdDrive> CdDriveList::readyDrive(qint32 index, QString &why)
{
    if (index < 0) {
        why = noCdSelected();
        return std::nullopt;
    }
    CdDrive drive = m_drives.CDDrive(index + 1);
    if (!drive.IsUnitReady()) {
        why = QStringLiteral("No CD In Drive");
        return std::nullopt;
    }
    return drive;
}

CdDriveList::Listing CdDriveList::list(qint32 index)
{
    Listing listing;
    try {
        if (std::optional<CdDrive> drive = readyDrive(index, listing.row))
            listing.toc = drive->TOC();
    } catch (const std::exception &failure) {
        listing.error = errorText(failure);
    }
    return listing;
}
