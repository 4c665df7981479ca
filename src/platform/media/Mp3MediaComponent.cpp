#include "Mp3MediaComponent.h"

#include <algorithm>
#include <cmath>

#include "Mp3Decoder.h"

Mp3MediaComponent::Mp3MediaComponent(PlaybackWorker::OutputFactory factory)
    : m_playback(std::move(factory))
{
}

void Mp3MediaComponent::setFileName(const QString &path)
{
    auto decoder = std::make_shared<Mp3Decoder>();
    m_fileName = path;
    m_duration = decoder->open(path) ? decoder->durationSeconds() : 0.0;
    m_playback.load(std::move(decoder));
}

void Mp3MediaComponent::play() { m_playback.play(); }

void Mp3MediaComponent::pause() { m_playback.pause(); }

void Mp3MediaComponent::stop() { m_playback.stop(); }

double Mp3MediaComponent::currentPosition() const
{
    return std::clamp(m_playback.position(), 0.0, m_duration);
}

void Mp3MediaComponent::setCurrentPosition(double seconds)
{
    if (m_duration > 0.0)
        m_playback.seek(std::clamp(seconds, 0.0, m_duration));
}

void Mp3MediaComponent::setRate(double rate)
{
    m_rate = rate;
    m_playback.setRate(rate);
}

void Mp3MediaComponent::setVolume(int hundredthsOfDecibel)
{
    m_volume = std::min(hundredthsOfDecibel, 0);
    applyGain();
}

void Mp3MediaComponent::setMute(bool muted)
{
    m_mute = muted;
    applyGain();
}

void Mp3MediaComponent::applyGain()
{
    m_playback.setGain(m_mute ? 0.0 : std::pow(10.0, m_volume / 2000.0));
}
