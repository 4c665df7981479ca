#pragma once

#include <array>

// The tables of the play-time analyser (Mp3PlayTime), built from their texts when the first
// analyser is created and shared by all (they never change). Codes are those of the header: version
// 3 = MPEG 1, 2 = MPEG 2, 0 = MPEG 2.5, 1 reserved; layer 3 = I, 2 = II, 1 = III.
class FrameTables {
public:
    static const FrameTables &instance();

    // kbit/s by bit-rate index (0-15) and column code ((version AND 1) x 4 OR layer); 0 for the
    // free and forbidden indexes and the reserved layer.
    int bitrate(int index, int column) const { return m_bitrates[index][column]; }
    // Hz by version code and rate index; 99999 marks the reserved rate, 0 the reserved version.
    int sampleRate(int version, int rateIndex) const { return m_sampleRates[version][rateIndex]; }
    // The divisor that turns a frame count into seconds, by rate index. Fixed values, not derived
    // from the sample rate.
    static double framesPerSecond(int rateIndex);

private:
    FrameTables();

    std::array<std::array<int, 8>, 16> m_bitrates{};
    std::array<std::array<int, 4>, 4> m_sampleRates{};
};
