#include "EncoderStream.h"

#include <cstdio>
#include <vector>

#include <lame/lame.h>

#include "EncoderConfig.h"
#include "LameSettings.h"

namespace {
// libmp3lame's own bound for the output of n input frames, and for a flush.
constexpr std::uint32_t kFlushBytes = 7200;
std::uint32_t outputBound(std::uint32_t frames) { return frames + frames / 4 + kFlushBytes; }

BE_ERR fromLameResult(int result, std::uint32_t *outputBytes)
{
    if (result >= 0) {
        *outputBytes = std::uint32_t(result);
        return BE_ERR_SUCCESSFUL;
    }
    *outputBytes = 0;
    // -1: the output buffer is too small; the other codes mean the stream is unusable.
    return result == -1 ? BE_ERR_BUFFER_TOO_SMALL : BE_ERR_INVALID_FORMAT_PARAMETERS;
}

bool overwriteStart(const char *fileName, const std::vector<unsigned char> &frame)
{
    std::FILE *file = std::fopen(fileName, "r+b");
    if (!file)
        return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) >= long(frame.size());
    ok = ok && std::fseek(file, 0, SEEK_SET) == 0 &&
         std::fwrite(frame.data(), 1, frame.size(), file) == frame.size();
    return std::fclose(file) == 0 && ok;
}
} // namespace

EncoderStream::EncoderStream(lame_global_struct *flags) : m_flags(flags) {}

EncoderStream::~EncoderStream() { lame_close(m_flags); }

std::unique_ptr<EncoderStream> EncoderStream::open(const EncoderConfig &config, BE_ERR &error)
{
    lame_t flags = lame_init();
    if (!flags) {
        error = BE_ERR_NO_MORE_HANDLES;
        return nullptr;
    }
    std::unique_ptr<EncoderStream> stream(new EncoderStream(flags));
    error = applyEncoderConfig(flags, config);
    if (error != BE_ERR_SUCCESSFUL)
        return nullptr;
    const auto frames = std::uint32_t(lame_get_framesize(flags));
    stream->m_chunkSamples = frames * 2;
    stream->m_bufferSize = outputBound(frames);
    return stream;
}

BE_ERR EncoderStream::encode(std::uint32_t samples, const std::int16_t *input,
                             unsigned char *output, std::uint32_t *outputBytes)
{
    if ((samples && !input) || !output || !outputBytes)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    const int result = lame_encode_buffer_interleaved(m_flags, const_cast<short *>(input),
                                                      int(samples / 2), output, int(m_bufferSize));
    return fromLameResult(result, outputBytes);
}

BE_ERR EncoderStream::flush(unsigned char *output, std::uint32_t *outputBytes)
{
    if (!output || !outputBytes)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    return fromLameResult(lame_encode_flush(m_flags, output, int(m_bufferSize)), outputBytes);
}

BE_ERR EncoderStream::writeInfoTag(const char *fileName)
{
    if (!lame_get_bWriteVbrTag(m_flags))
        return BE_ERR_SUCCESSFUL;
    std::vector<unsigned char> frame(lame_get_lametag_frame(m_flags, nullptr, 0));
    if (frame.empty())
        return BE_ERR_SUCCESSFUL; // the library turned the tag off for these settings
    if (lame_get_lametag_frame(m_flags, frame.data(), frame.size()) != frame.size() || !fileName ||
        !overwriteStart(fileName, frame))
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    return BE_ERR_SUCCESSFUL;
}
