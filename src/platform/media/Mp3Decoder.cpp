#include "Mp3Decoder.h"

#include <cstring>
#include <mutex>

#include <mpg123.h>
#include <unistd.h>

#include "RegularFile.h"

namespace {
constexpr int kChannels = 2;
// How far into junk the decoder looks for the first frame before it gives up.
constexpr long kResyncLimit = 64 * 1024;

void initLibrary()
{
    static std::once_flag once;
    std::call_once(once, [] { mpg123_init(); });
}
} // namespace

Mp3Decoder::Mp3Decoder()
{
    initLibrary();
    m_handle = mpg123_new(nullptr, nullptr);
    if (!m_handle)
        return;
    mpg123_param(m_handle, MPG123_ADD_FLAGS,
                 MPG123_QUIET | MPG123_FORCE_STEREO | MPG123_FORCE_FLOAT, 0);
    mpg123_param(m_handle, MPG123_RESYNC_LIMIT, kResyncLimit, 0);
    mpg123_format_none(m_handle);
    const long *rates = nullptr;
    size_t count = 0;
    mpg123_rates(&rates, &count);
    for (size_t i = 0; i < count; ++i)
        mpg123_format(m_handle, rates[i], MPG123_STEREO, MPG123_ENC_FLOAT_32);
}

Mp3Decoder::~Mp3Decoder()
{
    close();
    if (m_handle)
        mpg123_delete(m_handle);
}

void Mp3Decoder::close()
{
    if (m_handle)
        mpg123_close(m_handle);
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool Mp3Decoder::open(const QString &path)
{
    m_sampleRate = 0;
    m_lengthFrames = 0;
    if (!m_handle || path.isEmpty())
        return false;
    close();
    // By the name's own bytes, and never a pipe or a device, which could block the reads.
    RegularFile file(path);
    if (!file.isOpen())
        return false;
    m_fd = file.release();
    if (mpg123_open_fd(m_handle, m_fd) != MPG123_OK)
        return false;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(m_handle, &rate, &channels, &encoding) != MPG123_OK || rate <= 0) {
        mpg123_close(m_handle);
        return false;
    }
    mpg123_scan(m_handle);
    const off_t length = mpg123_length(m_handle);
    m_lengthFrames = length > 0 ? length : 0;
    m_sampleRate = int(rate);
    m_block.resize(mpg123_outblock(m_handle));
    return true;
}

double Mp3Decoder::durationSeconds() const
{
    return m_sampleRate > 0 ? double(m_lengthFrames) / m_sampleRate : 0.0;
}

qint64 Mp3Decoder::decode(std::vector<float> &out)
{
    if (!isOpen())
        return 0;
    for (;;) {
        size_t done = 0;
        const int result = mpg123_read(m_handle, m_block.data(), m_block.size(), &done);
        if (done > 0) {
            const size_t floats = done / sizeof(float);
            const size_t at = out.size();
            out.resize(at + floats);
            std::memcpy(out.data() + at, m_block.data(), floats * sizeof(float));
            return qint64(floats / kChannels);
        }
        // A new format announces itself with no data; anything else without data is the end.
        if (result != MPG123_NEW_FORMAT && result != MPG123_OK)
            return 0;
    }
}

bool Mp3Decoder::seek(qint64 frame)
{
    return isOpen() && mpg123_seek(m_handle, off_t(frame), SEEK_SET) >= 0;
}
