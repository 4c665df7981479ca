#pragma once

#include <memory>

#include "AudioOutput.h"

class QAudioSink;
class QIODevice;

// Audio out through Qt Multimedia (PulseAudio on Debian), in push mode.
class QtAudioOutput : public AudioOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;

    // False when the machine offers no audio output device at all.
    static bool deviceAvailable();

    bool open(int sampleRate) override;
    void close() override;
    qint64 bytesFree() const override;
    qint64 write(const char *data, qint64 bytes) override;
    qint64 playedFrames() const override;
    void suspend() override;
    void resume() override;

private:
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_device = nullptr;
    int m_sampleRate = 0;
};
