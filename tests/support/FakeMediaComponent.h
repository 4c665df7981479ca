#pragma once

#include <QStringList>

#include "MediaComponent.h"

// A media component without audio: records the calls and lets a test set duration and position.
class FakeMediaComponent : public MediaComponent {
public:
    void setFileName(const QString &path) override;
    QString fileName() const override { return m_fileName; }
    void play() override;
    void pause() override;
    void stop() override;
    double duration() const override { return durationSeconds; }
    double currentPosition() const override { return position; }
    void setCurrentPosition(double seconds) override { position = seconds; }
    double rate() const override { return m_rate; }
    void setRate(double rate) override { m_rate = rate; }
    int volume() const override { return m_volume; }
    void setVolume(int hundredthsOfDecibel) override { m_volume = hundredthsOfDecibel; }
    bool mute() const override { return m_mute; }
    void setMute(bool muted) override { m_mute = muted; }

    double durationSeconds = 0.0; // what the next setFileName reports
    double position = 0.0;
    QStringList calls;

private:
    QString m_fileName;
    double m_rate = 1.0;
    int m_volume = 0;
    bool m_mute = false;
};
