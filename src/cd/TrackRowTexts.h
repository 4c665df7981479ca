#pragma once

#include <QString>

class DiscTocEntry;

// How a track is shown in a track list: "Track 07" and its size "34.56MB" (MB of 1048576
// bytes, "##0.00"), shared by the encoder window and tavro-cli toc.
class TrackRowTexts {
public:
    static QString Name(const DiscTocEntry &entry);
    static QString Size(const DiscTocEntry &entry);
};
