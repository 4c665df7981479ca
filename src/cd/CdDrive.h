#pragma once

#include <memory>

#include <QString>

#include "CdRipLibrary.h"
#include "DiscToc.h"

// One drive of the ripping library, with the parameter record it was listed with. Made by
// CdDrives::CDDrive.
class CdDrive {
public:
    // The record's name up to its first NUL.
    QString Name() const;
    DiscToc TOC();
    bool IsUnitReady();

private:
    friend class CdDrives;
    explicit CdDrive(std::shared_ptr<CdRipLibrary> library);
    void fInit(qint32 index);
    void select();

    std::shared_ptr<CdRipLibrary> m_library;
    qint32 m_index = 0;
    CDROMPARAMS m_params{};
};
