#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include "FixedText.h"

// The text fields of an ID3v1 tag, the last 128 bytes of an MP3 file:
// "TAG", title 30, artist 30, album 30, year 4, comment 30, genre number 1. There is no
// track-number variant: bytes 125 and 126 belong to the comment.
struct Id3v1Tag {
    static constexpr int Size = 128;

    // True when bytes is a whole tag (128 bytes starting "TAG").
    static bool isTag(QByteArrayView bytes);
    void clear();
    // Takes every text as it is on disk (zero bytes stay); the genre byte is the caller's.
    void parse(QByteArrayView bytes);
    // The 128 bytes, each text at its full width, blank-padded.
    QByteArray toBytes(quint8 genreByte) const;

    FixedText title{30};
    FixedText artist{30};
    FixedText album{30};
    FixedText Year{4};
    FixedText Comment{30};
    FixedText Genre{20};
};
