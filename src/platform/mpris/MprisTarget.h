#pragma once

#include <QObject>
#include <QString>

// What the desktop's media controls (MPRIS) see of a player and ask of it. Times are
// microseconds; volume and rate are factors (1.0 = full volume, normal speed). Every call
// arrives on the UI thread from the event loop, never from inside another call.
class MprisTarget : public QObject {
    Q_OBJECT
public:
    enum class Status { Playing, Paused, Stopped };

    // The current track; an empty id means there is none.
    struct Track {
        QString id; // a D-Bus object path, unique for the track while it is current
        qint64 lengthUs = 0;
        QString path; // the file, as the file system's bytes (FileNameCodec)
        QString title;
        QString artist;
        QString album;
        QString year;
        QString comment;
        QString genre;
    };

    using QObject::QObject;

    // Runs call from the event loop, so a D-Bus call is answered at once even when the player
    // then waits on a message box.
    template <typename Call> void later(Call call)
    {
        QMetaObject::invokeMethod(this, std::move(call), Qt::QueuedConnection);
    }

    virtual Status status() const = 0;
    virtual Track track() const = 0;
    virtual qint64 positionUs() const = 0;
    virtual double volume() const = 0;
    virtual void setVolume(double volume) = 0;
    virtual double rate() const = 0;
    virtual void setRate(double rate) = 0;
    virtual double minimumRate() const = 0;
    virtual double maximumRate() const = 0;
    virtual bool canGoNext() const = 0;
    virtual bool canGoPrevious() const = 0;
    virtual bool canPlay() const = 0;
    virtual bool canPause() const = 0;
    virtual bool canSeek() const = 0;

    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void playPause() = 0;
    virtual void stop() = 0;
    virtual void next() = 0;
    virtual void previous() = 0;
    // Moves by offsetUs from where it is; past the end it goes on to the next track.
    virtual void seekBy(qint64 offsetUs) = 0;
    // Moves to positionUs of the track trackId; ignored when that is not the current track or
    // the position lies outside it.
    virtual void setPosition(const QString &trackId, qint64 positionUs) = 0;
    // Adds the file a file: URL names and plays it.
    virtual void openUri(const QString &uri) = 0;
    virtual void raise() = 0;
    virtual void quit() = 0;

signals:
    // Any of the values above may have changed.
    void changed();
    // The position jumped (a seek), to positionUs().
    void seeked();
};
