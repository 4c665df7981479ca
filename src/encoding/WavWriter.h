#pragma once

#include <QFile>
#include <QString>

// Writes ripped CD audio (44100 Hz, 2 channels, 16-bit PCM) into a RIFF/WAVE file: a 46-byte
// header with an 18-byte "fmt " chunk, then the sample bytes exactly as the caller gives them.
// While open the header holds placeholders (RIFF size 0, data size 18); CloseFile writes the
// real sizes and the pad byte odd data needs. Failures raise RaisedError 29600 + code.
class WavWriter {
public:
    WavWriter() = default;
    // Finishes an open file, ignoring errors.
    ~WavWriter();
    WavWriter(const WavWriter &) = delete;
    WavWriter &operator=(const WavWriter &) = delete;

    // Finishes any earlier file, then creates (or truncates) sFile and writes the header.
    bool OpenFile(const QString &sFile);
    // Appends lWriteSize bytes; returns the count written.
    qint64 WriteWavData(const void *lPtrBuff, qint64 lWriteSize);
    // Writes the sizes and closes; does nothing when no file is open.
    void CloseFile();

private:
    bool WriteWaveFormatHeader();
    static void raise(int code, const QString &operation);

    QFile m_file;
    qint64 m_dataBytes = 0;
};
