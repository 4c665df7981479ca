#include "TempoStage.h"

#include <soundtouch/SoundTouch.h>

namespace {
constexpr int kChannels = 2;
}

TempoStage::TempoStage() : m_touch(std::make_unique<soundtouch::SoundTouch>())
{
    m_touch->setChannels(kChannels);
}

TempoStage::~TempoStage() = default;

void TempoStage::configure(int sampleRate, double rate)
{
    m_rate = rate;
    m_touch->clear();
    if (sampleRate > 0)
        m_touch->setSampleRate(unsigned(sampleRate));
    m_touch->setTempo(rate);
}

void TempoStage::process(std::vector<float> &pcm, bool finished)
{
    if (m_rate == 1.0)
        return;
    if (!pcm.empty())
        m_touch->putSamples(pcm.data(), unsigned(pcm.size() / kChannels));
    if (finished)
        m_touch->flush();
    pcm.resize(size_t(m_touch->numSamples()) * kChannels);
    if (!pcm.empty())
        pcm.resize(size_t(m_touch->receiveSamples(pcm.data(), m_touch->numSamples())) * kChannels);
}

void TempoStage::clear() { m_touch->clear(); }
