#include "EncoderConfig.h"

#include <QtEndian>

#include "EncoderLibrary.h"

namespace {
std::uint32_t u32(const unsigned char *record, int offset)
{
    return qFromLittleEndian<quint32>(record + offset);
}
std::int32_t i32(const unsigned char *record, int offset)
{
    return qFromLittleEndian<qint32>(record + offset);
}
bool flag(const unsigned char *record, int offset) { return u32(record, offset) != 0; }
} // namespace

std::optional<EncoderConfig> EncoderConfig::fromBytes(const unsigned char *record)
{
    using namespace BeConfig;
    if (!record || u32(record, Kind) != KindLame || u32(record, StructVersion) < 1 ||
        u32(record, StructSize) < std::uint32_t(Size))
        return std::nullopt;
    EncoderConfig c;
    c.sampleRate = u32(record, SampleRate);
    c.resampleRate = u32(record, ResampleRate);
    c.mode = i32(record, Mode);
    c.bitrate = u32(record, Bitrate);
    c.maxBitrate = u32(record, MaxBitrate);
    c.preset = i32(record, Preset);
    c.emphasis = u32(record, Emphasis);
    c.privateBit = flag(record, Private);
    c.crc = flag(record, Crc);
    c.copyright = flag(record, Copyright);
    c.original = flag(record, Original);
    c.writeVbrHeader = flag(record, WriteVbrHeader);
    c.enableVbr = flag(record, EnableVbr);
    c.vbrQuality = i32(record, VbrQuality);
    c.vbrAbrBps = u32(record, VbrAbrBps);
    c.vbrMethod = i32(record, VbrMethod);
    c.noReservoir = flag(record, NoReservoir);
    c.strictIso = flag(record, StrictIso);
    // The published record guards its quality with the complement in the high byte, so that
    // old callers that leave it zero keep the library's default.
    const quint16 quality = qFromLittleEndian<quint16>(record + Quality);
    if ((quality >> 8) == (~quality & 0xff) && (quality & 0xff) <= 9)
        c.quality = quality & 0xff;
    return c;
}
