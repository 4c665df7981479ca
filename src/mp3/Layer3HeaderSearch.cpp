#include "Layer3HeaderSearch.h"

#include <algorithm>

#include "Layer3Header.h"
#include "RegularFile.h"

namespace {
bool isFrameSync(quint8 first, quint8 second) { return first == 0xFF && (second & 0xE0) == 0xE0; }
} // namespace

qint64 Layer3HeaderSearch::run(const RegularFile &file, Layer3Header &header)
{
    const qint64 length = file.size();
    const qint64 window = std::min<qint64>(length, Window);
    // Three zero bytes past the window: a candidate on its last bytes decodes zeros there.
    const QByteArray buffer = file.readAt(0, Window) + QByteArray(3, '\0');
    const auto at = [&buffer](qint64 position) { return quint8(buffer[position - 1]); };

    bool previousWasFF = false;
    qint64 found = -2;
    for (qint64 i = 1; i <= window; ++i) {
        const quint8 b = at(i);
        if ((b == 0xFB || b == 0xFA) && previousWasFF) {
            found = i - 1;
            header.decode(at(i), at(i + 1), at(i + 2));
            if (header.ValidHeader) {
                const qint64 next = found + header.FrameLength; // 1-based
                const QByteArray sync = next + 1 <= window ? buffer.mid(next - 1, 2)
                                                           : file.readAt(next - 1, 2);
                if (isFrameSync(quint8(sync[0]), quint8(sync[1])))
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
