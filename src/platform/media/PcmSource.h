#pragma once

#include <vector>

#include <QtGlobal>

// Audio that playback pulls from: interleaved stereo float samples at a fixed rate, with a
// known length and random access by frame (one sample of both channels). Used by one thread at
// a time.
class PcmSource {
public:
    virtual ~PcmSource() = default;

    // 0 when there is nothing to play.
    virtual int sampleRate() const = 0;
    virtual qint64 lengthFrames() const = 0;
    // Appends the next piece to out; returns the frames appended, 0 at the end (or when the
    // audio can no longer be read).
    virtual qint64 decode(std::vector<float> &out) = 0;
    virtual bool seek(qint64 frame) = 0;

    bool isOpen() const { return sampleRate() > 0; }
};
