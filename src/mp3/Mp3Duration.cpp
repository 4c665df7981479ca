#include "Mp3Duration.h"

#include <cstring>
#include <mutex>

#include <mpg123.h>

#include "FileNameCodec.h"
#include "Mp3FileInput.h"

namespace {
// As the player's decoder: how far into junk the first frame is looked for.
constexpr long kResyncLimit = 64 * 1024;
// What may follow the counted stream without adding to the audio: ID3v1, APE, Lyrics3 and
// appended ID3v2 tags.
constexpr const char *kTrailingTags[] = {"TAG", "APETAGEX", "LYRICSBEGIN", "ID3"};

mpg123_handle *newHandle(long extraFlags)
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
    mpg123_handle *handle = mpg123_new(nullptr, nullptr);
    if (handle) {
        mpg123_param(handle, MPG123_ADD_FLAGS, MPG123_QUIET | extraFlags, 0);
        mpg123_param(handle, MPG123_RESYNC_LIMIT, kResyncLimit, 0);
        Mp3FileInput::attach(handle);
    }
    return handle;
}

quint32 bigEndian(const unsigned char *bytes)
{
    return quint32(bytes[0]) << 24 | quint32(bytes[1]) << 16 | quint32(bytes[2]) << 8 | bytes[3];
}

// The Xing/Info header sits after the side information, whose size depends on the MPEG version
// and on mono or stereo.
size_t sideInfoBytes(unsigned long header)
{
    const bool mpeg1 = ((header >> 19) & 3) == 3;
    const bool mono = ((header >> 6) & 3) == 3;
    return mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17);
}

// The byte count of a Xing/Info header that also counts frames; 0 when there is none.
quint32 countedBytes(unsigned long header, const unsigned char *body, size_t size)
{
    const bool layer3 = ((header >> 17) & 3) == 1;
    const size_t at = sideInfoBytes(header);
    if (!layer3 || size < at + 16)
        return 0;
    const unsigned char *tag = body + at;
    if (std::memcmp(tag, "Xing", 4) != 0 && std::memcmp(tag, "Info", 4) != 0)
        return 0;
    const quint32 flags = bigEndian(tag + 4);
    const bool framesAndBytes = (flags & 3) == 3;
    return framesAndBytes && bigEndian(tag + 8) > 0 ? bigEndian(tag + 12) : 0;
}

// True when the counted stream ends at the end of the file or where a tag begins. Anything else
// (the file is shorter, or more frames follow) asks for a scan.
bool onlyTagsFollow(const Mp3FileInput &input, qint64 streamEnd)
{
    if (streamEnd >= input.size())
        return streamEnd == input.size();
    const QByteArray next = input.peek(streamEnd, 11);
    for (const char *tag : kTrailingTags)
        if (next.startsWith(tag))
            return true;
    return false;
}

bool openFirstFrame(mpg123_handle *handle, Mp3FileInput &input, long *rate)
{
    int channels = 0;
    int encoding = 0;
    input.rewind();
    return mpg123_open_handle(handle, &input) == MPG123_OK &&
           mpg123_getformat(handle, rate, &channels, &encoding) == MPG123_OK && *rate > 0;
}
} // namespace

Mp3Duration::Mp3Duration() : m_probe(newHandle(MPG123_IGNORE_INFOFRAME)), m_reader(newHandle(0)) {}

Mp3Duration::~Mp3Duration()
{
    for (mpg123_handle *handle : {m_probe, m_reader}) {
        if (handle) {
            mpg123_close(handle);
            mpg123_delete(handle);
        }
    }
}

bool Mp3Duration::infoFrameCovers(Mp3FileInput &input)
{
    long rate = 0;
    bool covers = false;
    if (openFirstFrame(m_probe, input, &rate)) {
        unsigned long header = 0;
        unsigned char *body = nullptr;
        size_t size = 0;
        if (mpg123_framedata(m_probe, &header, &body, &size) == MPG123_OK && body) {
            const qint64 counted = countedBytes(header, body, size);
            covers =
                counted > 0 && onlyTagsFollow(input, qint64(mpg123_framepos(m_probe)) + counted);
        }
    }
    mpg123_close(m_probe);
    return covers;
}

double Mp3Duration::seconds(const QString &path)
{
    Mp3FileInput input;
    if (!m_probe || !m_reader || !input.open(FileNameCodec::encode(path)))
        return 0.0;
    const bool trusted = infoFrameCovers(input);
    long rate = 0;
    double seconds = 0.0;
    if (openFirstFrame(m_reader, input, &rate)) {
        if (!trusted)
            mpg123_scan(m_reader);
        const off_t samples = mpg123_length(m_reader);
        seconds = samples > 0 ? double(samples) / double(rate) : 0.0;
    }
    mpg123_close(m_reader);
    return seconds;
}
