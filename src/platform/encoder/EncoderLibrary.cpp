#include "EncoderLibrary.h"

#include <map>
#include <memory>
#include <mutex>

#include "EncoderConfig.h"
#include "EncoderStream.h"

namespace {
// Open streams by handle. Handles are small numbers that are not reused soon, so a stale
// handle finds nothing instead of somebody else's stream.
constexpr std::size_t kMaxStreams = 64;

std::mutex &tableLock()
{
    static std::mutex lock;
    return lock;
}

std::map<HBE_STREAM, std::unique_ptr<EncoderStream>> &table()
{
    static std::map<HBE_STREAM, std::unique_ptr<EncoderStream>> streams;
    return streams;
}

// Only the table is guarded: a stream itself is used by one thread at a time.
EncoderStream *find(HBE_STREAM handle)
{
    std::lock_guard guard(tableLock());
    const auto it = table().find(handle);
    return it == table().end() ? nullptr : it->second.get();
}

BE_ERR add(std::unique_ptr<EncoderStream> stream, HBE_STREAM *handle)
{
    static HBE_STREAM last = 0;
    std::lock_guard guard(tableLock());
    if (table().size() >= kMaxStreams)
        return BE_ERR_NO_MORE_HANDLES;
    do {
        ++last;
    } while (last == 0 || table().count(last));
    *handle = last;
    table().emplace(last, std::move(stream));
    return BE_ERR_SUCCESSFUL;
}
} // namespace

BE_ERR beInitStream(const void *config, std::uint32_t *samples, std::uint32_t *bufferSize,
                    HBE_STREAM *stream)
{
    if (!samples || !bufferSize || !stream)
        return BE_ERR_INVALID_FORMAT_PARAMETERS;
    *samples = *bufferSize = *stream = 0;
    const auto parsed = EncoderConfig::fromBytes(static_cast<const unsigned char *>(config));
    if (!parsed)
        return BE_ERR_INVALID_FORMAT;
    BE_ERR error = BE_ERR_SUCCESSFUL;
    auto opened = EncoderStream::open(*parsed, error);
    if (!opened)
        return error;
    const std::uint32_t chunk = opened->chunkSamples();
    const std::uint32_t buffer = opened->bufferSize();
    error = add(std::move(opened), stream);
    if (error == BE_ERR_SUCCESSFUL) {
        *samples = chunk;
        *bufferSize = buffer;
    }
    return error;
}

BE_ERR beEncodeChunk(HBE_STREAM stream, std::uint32_t samples, const std::int16_t *input,
                     unsigned char *output, std::uint32_t *outputBytes)
{
    EncoderStream *s = find(stream);
    return s ? s->encode(samples, input, output, outputBytes) : BE_ERR_INVALID_HANDLE;
}

BE_ERR beDeinitStream(HBE_STREAM stream, unsigned char *output, std::uint32_t *outputBytes)
{
    EncoderStream *s = find(stream);
    return s ? s->flush(output, outputBytes) : BE_ERR_INVALID_HANDLE;
}

BE_ERR beWriteInfoTag(HBE_STREAM stream, const char *fileName)
{
    EncoderStream *s = find(stream);
    return s ? s->writeInfoTag(fileName) : BE_ERR_INVALID_HANDLE;
}

BE_ERR beCloseStream(HBE_STREAM stream)
{
    std::unique_ptr<EncoderStream> closed;
    {
        std::lock_guard guard(tableLock());
        auto node = table().extract(stream);
        if (node.empty())
            return BE_ERR_INVALID_HANDLE;
        closed = std::move(node.mapped());
    }
    return BE_ERR_SUCCESSFUL; // the stream ends outside the lock
}
