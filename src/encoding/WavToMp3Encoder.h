#pragma once

#include <array>

#include <QObject>
#include <QString>

#include "EncoderLibrary.h"

// Turns a 16-bit stereo WAV file into an MP3 file through the encoder library, reporting
// progress with a cancellable event. Failures raise RaisedError 29770 + code (the encoder
// library's codes, or 1 when no stream opened); errors of the reader and writer during a run
// keep their numbers and get the source "tavro.lameConvert". One thread at a time: Progress is
// emitted on the thread that runs Encode.
class WavToMp3Encoder : public QObject {
    Q_OBJECT
public:
    explicit WavToMp3Encoder(QObject *parent = nullptr);
    // Closes any stream, ignoring errors.
    ~WavToMp3Encoder() override;

    QString WavFile() const { return m_wavFile; }
    // Kept only when path names an existing file.
    void setWavFile(const QString &path);
    QString Mp3File() const { return m_mp3File; }
    // Kept only when no file of that name exists.
    void setMp3File(const QString &path);

    // Fields of the configuration record (EncoderLibrary.h): the preset code (default 4, r3mix)
    // and the bit rate in kbit/s (128). The input rate follows each WAV file (44100 until one
    // is read), the channel mode is joint stereo.
    void setEncodingPreset(int code) { setField(BeConfig::Preset, code); }
    void setBitrate(int kbps) { setField(BeConfig::Bitrate, kbps); }
    // Takes other's settings, so that both make the same bytes from the same WAV file.
    void copySettings(const WavToMp3Encoder &other) { m_config = other.m_config; }

    // Encodes WavFile into Mp3File. A cancelled run deletes the MP3 file; a failed one leaves
    // what was written.
    void Encode();

signals:
    // Counts are 16-bit samples of both channels. Emitted after each encoded chunk and once at
    // the end with both counts equal; setting cancel stops the run. Connect directly: the
    // handler answers through the reference.
    void Progress(qint64 samplesDone, qint64 totalSamples, bool &cancel);

private:
    void setField(int offset, int value);
    void adoptWavSampleRate();
    void lameInit();
    void lameClose();
    void convert();

    std::array<unsigned char, BeConfig::Size> m_config{};
    HBE_STREAM m_stream = 0;
    std::uint32_t m_samples = 0;
    std::uint32_t m_bufferSize = 0;
    QString m_wavFile;
    QString m_mp3File;
};
