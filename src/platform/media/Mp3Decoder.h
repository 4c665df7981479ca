#pragma once

#include <vector>

#include <QString>

struct mpg123_handle_struct;

// Decodes MPEG audio (versions 1, 2 and 2.5, layers I to III) with libmpg123 into interleaved
// stereo float samples at the file's own rate (mono is doubled). Junk and false syncs are
// skipped; a truncated file ends where its data ends. Not thread-safe: one thread at a time.
class Mp3Decoder {
public:
    Mp3Decoder();
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder &) = delete;
    Mp3Decoder &operator=(const Mp3Decoder &) = delete;

    // Opens the file and measures its length exactly (a full header scan, so VBR files without
    // a Xing/VBRI header are right too). False when it holds no MPEG audio.
    bool open(const QString &path);
    bool isOpen() const { return m_sampleRate > 0; }

    int sampleRate() const { return m_sampleRate; }
    // In frames (one sample of both channels).
    qint64 lengthFrames() const { return m_lengthFrames; }
    double durationSeconds() const;

    // Appends the next decoded piece to out; returns the frames appended, 0 at the end.
    qint64 decode(std::vector<float> &out);
    bool seek(qint64 frame);

private:
    mpg123_handle_struct *m_handle = nullptr;
    int m_sampleRate = 0;
    qint64 m_lengthFrames = 0;
    std::vector<unsigned char> m_block;
};
