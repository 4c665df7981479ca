#pragma once

#include <memory>

#include "AudioCapture.h"
#include "SoundDevice.h"
#include "UnnamedFile.h"

// The "waveaudio" device of a new recording: records from the default sound input in the PCM
// format set (samples per second, channels, bits per sample; the bytes per second follow from
// them, whatever the command says) into an unnamed temporary file of its own, and saves it as a
// WAV file.
// Lengths are in the time format set: milliseconds (the default), bytes or samples.
class WaveAudioDevice : public SoundDevice {
public:
    quint32 execute(const SoundCommand &command, QByteArray &reply) override;

private:
    using TimeFormat = SoundCommand::TimeFormat;

    quint32 set(const SoundCommand &command);
    quint32 status(const SoundCommand &command, QByteArray &reply);
    quint32 record();
    quint32 save(const QByteArray &fileName);
    void stop();
    qint64 recordedBytes() const;
    QByteArray lengthText() const;
    int blockAlign() const { return m_channels * m_bitsPerSample / 8; }

    AudioCapture m_capture;
    std::unique_ptr<UnnamedFile> m_data; // raw PCM, from the first record on
    qint64 m_earlierBytes = 0;           // recorded before the capture running now
    TimeFormat m_format = TimeFormat::Milliseconds;
    int m_sampleRate = 11025;
    int m_channels = 1;
    int m_bitsPerSample = 8;
};
