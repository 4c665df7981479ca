#pragma once

#include <memory>

#include <QString>

#include "CdDrive.h"

class CdRipLibrary;

// Starts the ripping library and hands out its drives, counted from 1.
class CdDrives {
public:
    // Over the machine's ripping library (CdioRipLibrary).
    CdDrives();
    // Over the library handed in.
    explicit CdDrives(std::shared_ptr<CdRipLibrary> library);

    // Starts the library with the settings file sIniFile; once started, later calls do nothing.
    void Create(const QString &sIniFile);
    qint32 CDDriveCount() const;
    // Drive nIndex, counting from 1.
    CdDrive CDDrive(qint32 nIndex) const;

private:
    std::shared_ptr<CdRipLibrary> m_library;
    bool m_initialised = false;
};
