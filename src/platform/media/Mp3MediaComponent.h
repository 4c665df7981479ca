#pragma once

#include "MediaComponent.h"
#include "PlaybackThread.h"

// The real media component: libmpg123 decoding, SoundTouch tempo and Qt Multimedia output on a
// playback thread of its own.
class Mp3MediaComponent : public MediaComponent {
public:
    // The factory makes outputs on the playback thread; by default the system's audio device.
    explicit Mp3MediaComponent(PlaybackWorker::OutputFactory factory = {});

    void setFileName(const QString &path) override;
    QString fileName() const override { return m_fileName; }
    void play() override;
    void pause() override;
    void stop() override;
    double duration() const override { return m_duration; }
    double currentPosition() const override;
    void setCurrentPosition(double seconds) override;
    double rate() const override { return m_rate; }
    void setRate(double rate) override;
    int volume() const override { return m_volume; }
    void setVolume(int hundredthsOfDecibel) override;
    bool mute() const override { return m_mute; }
    void setMute(bool muted) override;

private:
    void applyGain();

    PlaybackThread m_playback;
    QString m_fileName;
    double m_duration = 0.0;
    double m_rate = 1.0;
    int m_volume = 0;
    bool m_mute = false;
};
