#pragma once

#include <optional>

#include <QString>
#include <QTemporaryDir>

#include "CdDrives.h"

// The disc a tavro-cli command reads: a drive of the ripping library (its number from 1, or
// its name or device path as listed), or a disc image file, which gets settings of its own
// (the user's ripping settings with only that image as drive).
class CliDisc {
public:
    // drive empty and image empty: the first drive. False with the reason in problem when no
    // such drive exists or it holds no disc.
    bool open(const QString &drive, const QString &image, QString &problem);

    CdDrive &drive() { return *m_drive; }
    // The settings file the drive list came from, and the drive's number in it (from 1).
    const QString &settingsPath() const { return m_settingsPath; }
    qint32 driveNumber() const { return m_number; }

private:
    bool openImage(const QString &image, QString &problem);
    std::optional<qint32> find(const QString &drive);

    CdDrives m_rip;
    QTemporaryDir m_settingsDir;
    std::optional<CdDrive> m_drive;
    QString m_settingsPath;
    qint32 m_number = 0;
};
