#pragma once

#include <QtGlobal>

class RegularFile;
struct Layer3Header;

// Finds the first MPEG-1 Layer III frame header in the first 50000 bytes of a file, confirmed by
// a sync where the next frame should start. Decodes every candidate into the header, so after
// the search the header holds the last decode, whether or not a frame was accepted.
class Layer3HeaderSearch {
public:
    static constexpr int Window = 50000;

    // The 1-based position of the accepted header's sync byte, or -2. It is also the position of
    // a last candidate that failed to decode on the final byte of the window.
    static qint64 run(const RegularFile &file, Layer3Header &header);
};
