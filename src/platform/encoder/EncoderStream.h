#pragma once

#include <memory>

#include "EncoderLibrary.h"

struct EncoderConfig;
struct lame_global_struct;

// One libmp3lame encoder behind a stream handle. Not thread-safe.
class EncoderStream {
public:
    ~EncoderStream();
    EncoderStream(const EncoderStream &) = delete;
    EncoderStream &operator=(const EncoderStream &) = delete;

    // Null with the reason in error when the library cannot be set up as the record asks.
    static std::unique_ptr<EncoderStream> open(const EncoderConfig &config, BE_ERR &error);

    // Samples (both channels) per chunk: one MPEG frame of stereo input.
    std::uint32_t chunkSamples() const { return m_chunkSamples; }
    // Bytes an output buffer needs for one chunk or for the flush.
    std::uint32_t bufferSize() const { return m_bufferSize; }

    BE_ERR encode(std::uint32_t samples, const std::int16_t *input, unsigned char *output,
                  std::uint32_t *outputBytes);
    BE_ERR flush(unsigned char *output, std::uint32_t *outputBytes);
    BE_ERR writeInfoTag(const char *fileName);

private:
    explicit EncoderStream(lame_global_struct *flags);

    lame_global_struct *m_flags;
    std::uint32_t m_chunkSamples = 0;
    std::uint32_t m_bufferSize = 0;
};
