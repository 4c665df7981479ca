#pragma once

#include <QElapsedTimer>

#include "AudioOutput.h"

// Plays into nothing at the real speed, so positions and track ends behave as with a sound card.
// Used when the machine has no audio device, and by tests.
class NullAudioOutput : public AudioOutput {
public:
    bool open(int sampleRate) override;
    void close() override;
    qint64 bytesFree() const override;
    qint64 write(const char *data, qint64 bytes) override;
    qint64 playedFrames() const override;
    void suspend() override;
    void resume() override;

private:
    qint64 clockFrames() const;

    int m_sampleRate = 0;
    qint64 m_writtenFrames = 0;
    qint64 m_framesBeforeResume = 0;
    QElapsedTimer m_clock;
    bool m_running = false;
};
