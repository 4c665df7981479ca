#pragma once

#include <vector>

#include <QString>

// An MP3 file decoded by Debian's mpg123 (gapless, so a file with a correct tag frame decodes
// to exactly its input's length), read back as 16-bit stereo.
struct DecodedMp3 {
    bool ok = false;
    int sampleRate = 0;
    qint64 frames = 0;
    std::vector<qint16> left;

    static DecodedMp3 decode(const QString &mp3Path);
    // The left channel's frequency in Hz, from its zero crossings.
    double frequency() const;
};
