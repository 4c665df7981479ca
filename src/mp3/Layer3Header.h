#pragma once

#include <QtGlobal>

#include "FixedText.h"

// The frame header fields of the MP3 file record (Mp3FileRecord). This reader knows MPEG-1 Layer
// III only: its search lets no other header through, so version and layer are constants. Fields
// start empty, zero or false and are only ever overwritten by decode().
struct Layer3Header {
    // b2 is 0xFA or 0xFB (the search guarantees it); the sync byte before it is not examined.
    // A reserved sample rate or a free/forbidden bit rate stops decoding with ValidHeader false,
    // leaving the later fields as they were.
    void decode(quint8 b2, quint8 b3, quint8 b4);

    // Bit rate and sample rate read back as numbers (0 for "NA " or an empty field).
    int bitrateKbps() const { return Bitrate.trimmed().toInt(); }
    int sampleRateHz() const { return SampleRate.trimmed().toInt(); }

    FixedText MPEGVersion{3};
    FixedText Layer{1};
    bool CRCPresent = false;
    FixedText Bitrate{3};
    FixedText SampleRate{5};
    qint16 Padding = 0;
    qint16 PrivateBit = 0;
    FixedText ChannelMode{12};
    FixedText ModeExtension{2};
    bool Copyright = false;
    bool Original = false;
    FixedText Emphasis{8};
    qint16 FrameLength = 0;
    bool ValidHeader = false;
};
