#pragma once

#include <QtGlobal>

// Where decoded audio goes: 16-bit interleaved stereo at the file's rate. Used only on the
// playback thread, which also creates it.
class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Starts a fresh stream; playedFrames() counts from 0 again.
    virtual bool open(int sampleRate) = 0;
    virtual void close() = 0;
    // Bytes that write() takes now without blocking.
    virtual qint64 bytesFree() const = 0;
    // Returns the bytes taken.
    virtual qint64 write(const char *data, qint64 bytes) = 0;
    // Frames that have reached the listener since open().
    virtual qint64 playedFrames() const = 0;
    virtual void suspend() = 0;
    virtual void resume() = 0;
};
