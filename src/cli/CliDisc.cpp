#include "CliDisc.h"

#include <QFileInfo>

#include "CdRipSettings.h"
#include "FileProblem.h"
#include "ImageSheet.h"
#include "RaisedError.h"

bool CliDisc::open(const QString &drive, const QString &image, QString &problem)
{
    try {
        if (!image.isEmpty() && !openImage(image, problem))
            return false;
        if (image.isEmpty()) {
            m_settingsPath = CdRipSettings::defaultPath();
            m_rip.Create(m_settingsPath);
        }
        if (m_rip.CDDriveCount() == 0) {
            problem = QStringLiteral("No CD Selected: no CD drive, and no disc image in ") +
                      CdRipSettings::defaultPath();
            return false;
        }
        const std::optional<qint32> number = image.isEmpty() ? find(drive) : 1;
        if (!number) {
            problem = QStringLiteral("no drive ") + drive;
            return false;
        }
        m_number = *number;
        m_drive = m_rip.CDDrive(*number);
        if (!m_drive->IsUnitReady()) {
            problem = image.isEmpty() ? QStringLiteral("No CD In Drive: ") + m_drive->Name()
                                      : image + QStringLiteral(": not a readable audio-CD image");
            return false;
        }
    } catch (const RaisedError &error) {
        problem = error.text();
        return false;
    }
    return true;
}

bool CliDisc::openImage(const QString &image, QString &problem)
{
    CdRipSettings settings;
    settings.load(CdRipSettings::defaultPath());
    settings.scanDevices = false;
    settings.images = {QFileInfo(image).absoluteFilePath()};
    m_settingsPath = m_settingsDir.filePath(QStringLiteral("cdrip.ini"));
    // The library would only answer that there is no disc; the sheet's check says why.
    ImageSheet sheet;
    QString reason = FileProblem::forReading(image);
    if (reason.isEmpty() && !sheet.read(image))
        reason = sheet.problem();
    if (!QFileInfo::exists(image) || !settings.save(m_settingsPath))
        reason = QStringLiteral("no such disc image");
    if (!reason.isEmpty()) {
        problem = image + QStringLiteral(": ") + reason;
        return false;
    }
    m_rip.Create(m_settingsPath);
    return true;
}

std::optional<qint32> CliDisc::find(const QString &drive)
{
    if (drive.isEmpty())
        return 1;
    bool isNumber = false;
    const qint32 number = drive.toInt(&isNumber);
    if (isNumber)
        return number >= 1 && number <= m_rip.CDDriveCount() ? std::optional(number) : std::nullopt;
    for (qint32 i = 1; i <= m_rip.CDDriveCount(); ++i) {
        const QString name = m_rip.CDDrive(i).Name();
        if (name == drive || name.endsWith(QStringLiteral("(%1)").arg(drive)))
            return i;
    }
    return std::nullopt;
}
