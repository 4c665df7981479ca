#pragma once

#include <memory>
#include <vector>

#include <QByteArray>

class QTemporaryDir;

#include "CdRipLibrary.h"

struct CdRipSettings;
typedef struct _CdIo CdIo_t;

// An open libcdio handle; destroyed with the object.
using CdioHandle = std::unique_ptr<CdIo_t, void (*)(CdIo_t *)>;

// One drive of the ripping library: a CD device or a disc image, with its parameter record.
// Each call opens the device or image afresh, so a changed disc is seen at once.
class CdRipDrive {
public:
    static CdRipDrive device(const QByteArray &path, const CdRipSettings &settings);
    static CdRipDrive image(const QByteArray &path, const CdRipSettings &settings);

    const CDROMPARAMS &params() const { return m_params; }
    bool isImage() const { return m_image; }
    // The name field stays the library's own.
    void setParams(const CDROMPARAMS &params);

    // Null when there is no readable disc (empty drive, missing or broken image).
    CdioHandle open() const;
    // Tracks, then the lead-out; empty when there is no disc or its table is not in order.
    std::vector<TOCENTRY> readToc() const;
    // Opens or closes a device's tray; false for an image, which has none.
    bool eject(bool open) const;

private:
    CdRipDrive(const QByteArray &path, bool image, const CdRipSettings &settings);
    void setName(const QByteArray &name);
    CdioHandle openCueSheet() const;

    QByteArray m_path;
    bool m_image;
    // Where an image is shown to libcdio once checked: a sheet of our own writing beside a link
    // to the BIN it names, shared by the copies of this drive.
    std::shared_ptr<QTemporaryDir> m_view;
    CDROMPARAMS m_params{};
};
