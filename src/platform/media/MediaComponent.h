#pragma once

#include <QString>

// The media player component: plays one MP3 file at a time for the main window. Times are
// seconds (fractional); volume is an attenuation in hundredths of a decibel (0 = full, negative
// = quieter); rate is a speed factor (1.0 = normal) that keeps the pitch. Every call is made on
// the UI thread and returns at once.
class MediaComponent {
public:
    virtual ~MediaComponent() = default;

    // Stops what plays and loads the file; its duration is known on return (0 when the file
    // cannot be read as MPEG audio, in which case play does nothing).
    virtual void setFileName(const QString &path) = 0;
    virtual QString fileName() const = 0;

    // Starts from the current position, or resumes after pause. After the end of the file,
    // starts again from the beginning.
    virtual void play() = 0;
    virtual void pause() = 0;
    // Stops and rewinds to 0.
    virtual void stop() = 0;

    virtual double duration() const = 0;
    // Equals duration() once the whole file has been played out.
    virtual double currentPosition() const = 0;
    virtual void setCurrentPosition(double seconds) = 0;

    virtual double rate() const = 0;
    virtual void setRate(double rate) = 0;
    virtual int volume() const = 0;
    virtual void setVolume(int hundredthsOfDecibel) = 0;
    virtual bool mute() const = 0;
    virtual void setMute(bool muted) = 0;
};
