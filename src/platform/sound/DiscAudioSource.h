#pragma once

#include "CdRipDrive.h"
#include "DiscLayout.h"
#include "PcmSource.h"

// The audio of a whole disc, first track to lead-out, read digitally from the drive or image
// (so no analog cable is needed). Data tracks play as silence; a sector that cannot be read
// plays as silence too, unless nothing of its chunk can be read (the disc is gone): then the
// audio ends.
class DiscAudioSource : public PcmSource {
public:
    DiscAudioSource(const CdRipDrive &drive, const DiscLayout &layout);

    int sampleRate() const override { return m_cdio ? kSampleRate : 0; }
    qint64 lengthFrames() const override;
    qint64 decode(std::vector<float> &out) override;
    bool seek(qint64 frame) override;

    static constexpr int kSampleRate = 44100;

private:
    bool readSectors(qint32 first, int count, std::vector<qint16> &samples);

    CdioHandle m_cdio;
    DiscLayout m_layout;
    qint32 m_next = 0;    // next sector to read
    int m_skipFrames = 0; // of that sector, already behind the seek point
};
