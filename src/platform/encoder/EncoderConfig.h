#pragma once

#include <cstdint>
#include <optional>

// The fields of a configuration record (EncoderLibrary.h), read from its bytes.
struct EncoderConfig {
    std::uint32_t sampleRate = 0;
    std::uint32_t resampleRate = 0;
    std::int32_t mode = 0;
    std::uint32_t bitrate = 0;
    std::uint32_t maxBitrate = 0;
    std::int32_t preset = 0;
    std::uint32_t emphasis = 0;
    bool privateBit = false;
    bool crc = false;
    bool copyright = false;
    bool original = false;
    bool writeVbrHeader = false;
    bool enableVbr = false;
    std::int32_t vbrQuality = 0;
    std::uint32_t vbrAbrBps = 0;
    std::int32_t vbrMethod = 0;
    bool noReservoir = false;
    bool strictIso = false;
    std::optional<int> quality; // set only when its check byte matches

    // Empty for a record of another kind, version or size.
    static std::optional<EncoderConfig> fromBytes(const unsigned char *record);
};
