#pragma once

#include <memory>

#include <QString>

#include "CdRipLibrary.h"
#include "DiscToc.h"

// One drive of the ripping library with its parameter record. Setters change the record held
// here; Apply hands it to the library. Made by CdDrives::CDDrive.
class CdDrive {
public:
    // 0-based library drive.
    qint32 DriveIndex() const { return m_index; }
    // The record's name up to its first NUL.
    QString Name() const;

    qint32 ReadSectors() const { return field(CdRomParams::ReadSectors); }
    void setReadSectors(qint32 value) { setField(CdRomParams::ReadSectors, value); }
    qint32 ReadOverlap() const { return field(CdRomParams::ReadOverlap); }
    void setReadOverlap(qint32 value) { setField(CdRomParams::ReadOverlap, value); }
    qint32 BlockCompare() const { return field(CdRomParams::BlockCompare); }
    void setBlockCompare(qint32 value) { setField(CdRomParams::BlockCompare, value); }
    qint32 StartOffset() const { return field(CdRomParams::StartOffset); }
    void setStartOffset(qint32 value) { setField(CdRomParams::StartOffset, value); }
    qint32 EndOffset() const { return field(CdRomParams::EndOffset); }
    void setEndOffset(qint32 value) { setField(CdRomParams::EndOffset, value); }
    qint32 CDSpeed() const { return field(CdRomParams::CDSpeed); }
    void setCDSpeed(qint32 value) { setField(CdRomParams::CDSpeed, value); }
    qint32 SpinUpTime() const { return field(CdRomParams::SpinUpTime); }
    void setSpinUpTime(qint32 value) { setField(CdRomParams::SpinUpTime, value); }
    qint32 DriveType() const { return field(CdRomParams::DriveType); }
    void setDriveType(qint32 value) { setField(CdRomParams::DriveType, value); }
    qint32 RippingMethod() const { return field(CdRomParams::RippingMethod); }
    void setRippingMethod(qint32 value) { setField(CdRomParams::RippingMethod, value); }
    qint16 Retries() const;
    // std::overflow_error outside -32768..32767.
    void setRetries(qint64 value);

    // Hands a changed record to the library (without selecting the drive).
    void Apply();
    // Reads the record again.
    void refresh();
    DiscToc TOC();

    bool IsUnitReady();
    bool IsAudioPlaying();
    void EjectCD();
    void CloseCD();
    // These four work on the library's active drive.
    void PlayCDTrack(qint32 n);
    void UnpauseCD();
    void PauseCD();
    void StopCD();

private:
    friend class CdDrives;
    explicit CdDrive(std::shared_ptr<CdRipLibrary> library);
    void fInit(qint32 index);
    void select();
    qint32 field(int offset) const;
    void setField(int offset, qint32 value);

    std::shared_ptr<CdRipLibrary> m_library;
    qint32 m_index = 0;
    CDROMPARAMS m_params{};
    bool m_changed = false;
};
