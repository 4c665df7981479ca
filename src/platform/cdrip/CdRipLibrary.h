#pragma once

#include <array>
#include <cstdint>

// The CD ripping library: the CR_ calls the CD classes drive. Drives and tracks count from 0.
// Every call that concerns one drive works on the active drive (CR_SetActiveCDROM). Results are
// codes (0 = success) unless a call says otherwise. An abstract class, so that the CD classes
// take the library they are handed; CdioRipLibrary is the real one. One thread at a time.
//
// Ripping a range: CR_OpenRipper (start sector inclusive, end sector exclusive), then
// CR_RipChunk until it answers CR_RANGE_DONE together with the last chunk, then
// CR_GetNumberOfJitterErrors and CR_CloseRipper. Chunks are 16-bit little-endian stereo samples
// at 44100 Hz, whatever the drive's byte order.

using CDEX_ERR = std::int32_t;
inline constexpr CDEX_ERR CR_OK = 0;
inline constexpr CDEX_ERR CR_ERROR = 1;
inline constexpr CDEX_ERR CR_FILE_OPEN_ERROR = 2;
// A chunk is delivered and more are to come; paranoia had to repair jitter in it.
inline constexpr CDEX_ERR CR_REPAIRED = 3;
inline constexpr CDEX_ERR CR_RANGE_DONE = 4;
// A chunk is delivered and more are to come; a sector in it stayed unreadable after every retry
// and holds paranoia's best guess.
inline constexpr CDEX_ERR CR_SKIPPED = 5;
// Known to the CD classes; this library never answers it (repairs and skips show as 3 and 5).
inline constexpr CDEX_ERR CR_JITTER_ERROR = -1;

// The drive parameter record: 1380 bytes, little-endian. The library fills it, callers change
// fields and hand it back whole; bytes no field names are carried through unchanged.
namespace CdRomParams {
inline constexpr int Size = 1380;
inline constexpr int NameBytes = 255; // ANSI, NUL-padded
enum Offset : int {
    Name = 0,
    ReadSectors = 256,   // sectors per chunk, 1..200
    ReadOverlap = 260,   // carried only
    BlockCompare = 264,  // carried only
    StartOffset = 268,   // carried only
    EndOffset = 272,     // carried only
    CDSpeed = 276,       // read speed as a multiple of 150 kB/s, 0 or less = the drive's fastest
    SpinUpTime = 280,    // carried only
    DriveType = 292,     // DriveTypeDevice or DriveTypeImage (informative)
    RippingMethod = 296, // RipParanoia or RipPlain
    Retries = 328,       // 16-bit: paranoia's attempts at one sector before it gives up
};
enum DriveTypeCode : std::int32_t { DriveTypeDevice = 0, DriveTypeImage = 1 };
enum RippingMethodCode : std::int32_t {
    RipParanoia = 0, // verified, overlapping reads; any value but RipPlain means this
    RipPlain = 1,    // plain audio reads, no checking
};
} // namespace CdRomParams
using CDROMPARAMS = std::array<unsigned char, CdRomParams::Size>;

// A table-of-contents entry: 8 bytes, start sector (32-bit little-endian), the Q-channel
// ADR/control byte (0x10 audio, 0x14 data, | 0x02 copy permitted, | 0x01 pre-emphasis),
// the track number (0xAA for the lead-out), two bytes of padding.
namespace TocEntryRecord {
inline constexpr int Size = 8;
enum Offset : int { StartSector = 0, Flag = 4, TrackNumber = 5 };
inline constexpr unsigned char LeadOutTrack = 0xAA;
} // namespace TocEntryRecord
using TOCENTRY = std::array<unsigned char, TocEntryRecord::Size>;

class CdRipLibrary {
public:
    virtual ~CdRipLibrary() = default;

    // Reads the settings file (local 8-bit path), creating it with defaults when missing, and
    // lists the drives. Once the library is usable, later calls change nothing.
    virtual CDEX_ERR CR_Init(const char *iniFile) = 0;
    virtual std::int32_t CR_GetNumCDROM() = 0;
    virtual std::int32_t CR_GetActiveCDROM() = 0;
    // Any number is taken; calls on a drive that does not exist fail.
    virtual void CR_SetActiveCDROM(std::int32_t drive) = 0;
    virtual CDEX_ERR CR_GetCDROMParameters(CDROMPARAMS *params) = 0;
    // Holds for the active drive while the library lives; the settings file is not changed.
    virtual CDEX_ERR CR_SetCDROMParameters(const CDROMPARAMS *params) = 0;
    // A version number, not a code.
    virtual std::int32_t CR_GetCDRipVersion() = 0;
    // Non-zero = true.
    virtual std::int32_t CR_IsUnitReady() = 0;
    virtual std::int32_t CR_IsAudioPlaying() = 0;
    // 1 opens the tray, 0 closes it. Non-zero when done.
    virtual std::int32_t CR_EjectCD(std::int32_t eject) = 0;
    virtual CDEX_ERR CR_PlayTrack(std::int32_t track) = 0;
    // 1 pauses, 0 resumes.
    virtual CDEX_ERR CR_PauseCD(std::int32_t pause) = 0;
    virtual CDEX_ERR CR_StopPlayTrack() = 0;
    virtual CDEX_ERR CR_ReadToc() = 0;
    // Tracks of the table last read.
    virtual std::int32_t CR_GetNumTocEntries() = 0;
    // Entries 0..n-1 are the tracks, entry n the lead-out; any other gives a record of zeros.
    virtual TOCENTRY CR_GetTocEntry(std::int32_t entry) = 0;
    // Opens a run over sectors [start, end) of the active drive; bufferSize receives the bytes
    // one chunk can hold.
    virtual CDEX_ERR CR_OpenRipper(std::int32_t *bufferSize, std::int32_t startSector,
                                   std::int32_t endSector) = 0;
    // Fills buffer (bufferSize bytes from CR_OpenRipper) with the next chunk; numBytes receives
    // its length. An abort flag set on entry ends the run: CR_RANGE_DONE with no bytes.
    virtual CDEX_ERR CR_RipChunk(unsigned char *buffer, std::int32_t *numBytes,
                                 std::int32_t &abort) = 0;
    // 0..100 of the open range.
    virtual std::int32_t CR_GetPercentCompleted() = 0;
    // Repairs and skips paranoia reported in the open range.
    virtual std::int32_t CR_GetNumberOfJitterErrors() = 0;
    virtual CDEX_ERR CR_CloseRipper() = 0;
};
