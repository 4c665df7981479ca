#pragma once

#include <vector>

#include <QFile>
#include <QString>

// Reads the sample data of a 16-bit stereo RIFF/WAVE file one buffer at a time, for the MP3
// encoder. Sizes count stereo frames of 4 bytes. Failures show only in results: an open that
// fails returns false, and so does a read on a closed reader.
class WavReader {
public:
    WavReader() = default;
    WavReader(const WavReader &) = delete;
    WavReader &operator=(const WavReader &) = delete;

    QString Filename() const { return m_filename; }
    // Opens name; the name is kept only when it opens.
    void setFilename(const QString &name);
    bool OpenFile(const QString &name);
    void CloseFile();

    // Fills the buffer with the next data. True only for a full buffer that leaves data behind;
    // the read that reaches the end takes the rest and returns false.
    bool Read();
    const qint16 *ReadBufferPtr() const { return m_buffer.data(); }
    // Frames placed in the buffer by the last read.
    qint64 ReadSize() const { return m_readBytes / kFrameBytes; }
    // Refused while a file is open, and for sizes under one frame or over the buffer limit.
    void setReadBufferSize(qint64 frames);
    // Frames in the data chunk (as far as the file really holds them).
    qint64 AudioLength() const { return m_dataLength / kFrameBytes; }

    // Samples per second of the open file, from its format chunk; 0 while closed.
    quint32 SampleRate() const { return m_sampleRate; }
    // What the file is when the last open failed ("8-bit mono", "not a RIFF/WAVE file", ...), to
    // follow "this one is "; empty after an open that worked.
    const QString &problem() const { return m_problem; }

private:
    static constexpr qint64 kFrameBytes = 4;

    bool readFormat(qint64 fileEnd);

    QFile m_file;
    QString m_filename;
    QString m_problem;
    quint32 m_sampleRate = 0;
    qint64 m_dataStart = 0;
    qint64 m_dataLength = 0;
    qint64 m_bufferBytes = 131072;
    qint64 m_readBytes = 0;
    std::vector<qint16> m_buffer;
};
