#pragma once

#include <memory>
#include <vector>

namespace soundtouch {
class SoundTouch;
}

// Changes playback speed without changing pitch (SoundTouch), for interleaved stereo float.
// At rate 1.0 samples pass straight through, so normal playback costs nothing here.
class TempoStage {
public:
    TempoStage();
    ~TempoStage();

    void configure(int sampleRate, double rate);
    double rate() const { return m_rate; }
    // Replaces pcm with what is ready to play; with finished, flushes what the stage holds.
    void process(std::vector<float> &pcm, bool finished);
    void clear();

private:
    std::unique_ptr<soundtouch::SoundTouch> m_touch;
    double m_rate = 1.0;
};
