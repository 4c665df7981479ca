#pragma once

#include <cstdint>

// The encoder library: the published LAME encoder DLL calls over Debian's libmp3lame.
// Callers build the configuration record as bytes (layout below) and drive one stream per run:
//   beInitStream -> beEncodeChunk ... -> beDeinitStream (flush) -> beWriteInfoTag -> beCloseStream
// Sample counts count 16-bit samples of both channels; input is always interleaved stereo
// (left, right) in host byte order. Streams are independent; one stream is used by one thread
// at a time, different streams may run on different threads.

using BE_ERR = std::uint32_t;
using HBE_STREAM = std::uint32_t; // 0 is never a valid stream

inline constexpr BE_ERR BE_ERR_SUCCESSFUL = 0;
inline constexpr BE_ERR BE_ERR_INVALID_FORMAT = 1;
inline constexpr BE_ERR BE_ERR_INVALID_FORMAT_PARAMETERS = 2;
inline constexpr BE_ERR BE_ERR_NO_MORE_HANDLES = 3;
inline constexpr BE_ERR BE_ERR_INVALID_HANDLE = 4;
inline constexpr BE_ERR BE_ERR_BUFFER_TOO_SMALL = 5;

// The configuration record, LAME header version 1 form: little-endian, packed.
namespace BeConfig {
inline constexpr int Size = 331;
inline constexpr std::uint32_t KindLame = 256; // the only kind this library accepts
// Byte offsets of the 32-bit fields (Quality is 16-bit: low byte the level, high byte its
// complement, so a record of zeros means "not set").
enum Offset : int {
    Kind = 0,
    StructVersion = 4,
    StructSize = 8,
    SampleRate = 12,   // input rate, Hz
    ResampleRate = 16, // output rate, Hz; 0 = the encoder decides
    Mode = 20,         // ModeStereo ... ModeMono
    Bitrate = 24,      // kbit/s: CBR rate, VBR minimum
    MaxBitrate = 28,   // kbit/s: VBR maximum, 0 = none
    Preset = 32,       // Preset* codes
    MpegVersion = 36,  // 1 = MPEG-1, 0 = MPEG-2; the output rate decides it, so it is not used
    PsyModel = 40,     // not used
    Emphasis = 44,
    Private = 48,
    Crc = 52,
    Copyright = 56,
    Original = 60,
    WriteVbrHeader = 64, // the Xing/LAME tag frame, filled in by beWriteInfoTag
    EnableVbr = 68,      // only without a preset
    VbrQuality = 72,     // 0 (best) .. 9
    VbrAbrBps = 76,      // ABR mean rate in bit/s
    VbrMethod = 80,      // -1 none, 0 default, 1 old, 2 new, 3 mtrh, 4 abr
    NoReservoir = 84,
    StrictIso = 88,
    Quality = 92,
};
enum ModeCode : std::int32_t {
    ModeStereo = 0,
    ModeJointStereo = 1,
    ModeDualChannel = 2,
    ModeMono = 3
};
enum PresetCode : std::int32_t {
    PresetNone = -1,
    PresetNormal = 0,
    PresetLow = 1,
    PresetHigh = 2,
    PresetVoice = 3,
    PresetR3mix = 4,
    PresetVeryHigh = 5,
    PresetStandard = 6,
    PresetFastStandard = 7,
    PresetExtreme = 8,
    PresetFastExtreme = 9,
    PresetInsane = 10,
    PresetAbr = 11,
    PresetCbr = 12,
    PresetMedium = 13,
    PresetFastMedium = 14,
};
} // namespace BeConfig

// Opens a stream for the record at config (BeConfig::Size bytes). samples receives the count
// to pass to each beEncodeChunk, bufferSize the output buffer size every call needs.
BE_ERR beInitStream(const void *config, std::uint32_t *samples, std::uint32_t *bufferSize,
                    HBE_STREAM *stream);
// Encodes samples (at most the count from beInitStream) into output; outputBytes receives the
// bytes produced (often 0: the encoder holds a few frames back).
BE_ERR beEncodeChunk(HBE_STREAM stream, std::uint32_t samples, const std::int16_t *input,
                     unsigned char *output, std::uint32_t *outputBytes);
// Flushes the frames held back; call once, after the last chunk.
BE_ERR beDeinitStream(HBE_STREAM stream, unsigned char *output, std::uint32_t *outputBytes);
// Writes the finished tag frame over the placeholder frame at the start of the closed MP3 file
// (local 8-bit path). Nothing to do when the record did not ask for the tag. A file that cannot
// be opened or written gives BE_ERR_INVALID_FORMAT_PARAMETERS. The stream stays open.
BE_ERR beWriteInfoTag(HBE_STREAM stream, const char *fileName);
BE_ERR beCloseStream(HBE_STREAM stream);
