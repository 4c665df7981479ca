#pragma once

#include <QString>

#include "PcmSource.h"

struct mpg123_handle_struct;

// Decodes MPEG audio (versions 1, 2 and 2.5, layers I to III) with libmpg123 into interleaved
// stereo float samples at the file's own rate (mono is doubled). Junk and false syncs are
// skipped; a truncated file ends where its data ends. Not thread-safe: one thread at a time.
class Mp3Decoder : public PcmSource {
public:
    Mp3Decoder();
    ~Mp3Decoder() override;
    Mp3Decoder(const Mp3Decoder &) = delete;
    Mp3Decoder &operator=(const Mp3Decoder &) = delete;

    // Opens the file and measures its length exactly (a full header scan, so VBR files without
    // a Xing/VBRI header are right too). False when it holds no MPEG audio.
    bool open(const QString &path);
    int sampleRate() const override { return m_sampleRate; }
    qint64 lengthFrames() const override { return m_lengthFrames; }
    double durationSeconds() const;

    qint64 decode(std::vector<float> &out) override;
    bool seek(qint64 frame) override;

private:
    void close();

    mpg123_handle_struct *m_handle = nullptr;
    int m_fd = -1; // the open file, which libmpg123 reads but leaves to us to close
    int m_sampleRate = 0;
    qint64 m_lengthFrames = 0;
    std::vector<unsigned char> m_block;
};
