#include "Layer3HeaderSearch.h"

#include <algorithm>
#include <cstring>

#include "Layer3Header.h"
#include "RegularFile.h"

namespace {
constexpr qint64 firstBlock = 4096;

bool isFrameSync(quint8 first, quint8 second) { return first == 0xFF && (second & 0xE0) == 0xE0; }
} // namespace

qint64 Layer3HeaderSearch::run(const RegularFile &file, Layer3Header &header)
{
    const qint64 length = file.size();
    const qint64 window = std::min<qint64>(length, Window);
    // Most files start with a frame: read a first block, and the rest of the window only when
    // the search gets past it. Three zero bytes past the window let a candidate on its last
    // bytes decode zeros there.
    qint64 loaded = std::min<qint64>(window, firstBlock);
    QByteArray buffer = file.readAt(0, int(loaded)) + QByteArray(3, '\0');
    const auto loadAll = [&] {
        buffer =
            buffer.left(loaded) + file.readAt(loaded, int(window - loaded)) + QByteArray(3, '\0');
        loaded = window;
    };
    const auto at = [&](qint64 position) {
        if (position > loaded && loaded < window)
            loadAll();
        return quint8(buffer.constData()[position - 1]);
    };
    // The 1-based position of the first 0xFF at or after `from`, or window + 1.
    const auto nextFF = [&](qint64 from) {
        const void *hit = nullptr;
        while (from <= window) {
            const auto count = size_t(std::max<qint64>(loaded - from + 1, 0));
            hit = std::memchr(buffer.constData() + from - 1, 0xFF, count);
            if (hit || loaded == window)
                break;
            loadAll();
        }
        return hit ? static_cast<const char *>(hit) - buffer.constData() + 1 : window + 1;
    };
    // The next-frame check may look past the window, into the file itself.
    const auto fileByte = [&](qint64 position) {
        return position <= window ? at(position) : quint8(file.readAt(position - 1, 1)[0]);
    };

    bool previousWasFF = false;
    qint64 found = -2;
    for (qint64 i = 1; i <= window; ++i) {
        // Without a 0xFF before it no byte is a candidate, and each one only clears the search
        // state: go straight to the next 0xFF.
        if (!previousWasFF) {
            found = -2;
            i = nextFF(i);
            if (i > window)
                break;
        }
        const quint8 b = at(i);
        if ((b == 0xFB || b == 0xFA) && previousWasFF) {
            found = i - 1;
            header.decode(at(i), at(i + 1), at(i + 2));
            if (header.ValidHeader) {
                const qint64 next = found + header.FrameLength; // 1-based
                if (isFrameSync(fileByte(next), fileByte(next + 1)))
                    return found;
                previousWasFF = false;
                found = -2;
            }
            // A candidate that does not decode keeps the flag: the next 0xFA/0xFB is tried too.
        } else {
            previousWasFF = false;
            found = -2;
        }
        if (b == 0xFF)
            previousWasFF = true;
    }
    return found;
}
