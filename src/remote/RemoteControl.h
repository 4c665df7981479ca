#pragma once

#include <functional>

#include <QStringList>

#include "MprisTarget.h"

class MediaComponent;
class PlaybackEngine;
class Playlist;
class PlaylistActions;

// The main player as media keys and the desktop's media widget see it. Each request goes to the
// operation of the button that does the same (Play, Pause, Stop, Next, Previous, the seek bar),
// so the window shows what it shows for a click, messages included. The track's metadata comes
// from its ID3v1 tag and the component's play time, read again at each start.
class RemoteControl : public MprisTarget {
    Q_OBJECT
public:
    // What only the window can do.
    struct WindowCalls {
        std::function<void(const QStringList &)> playFiles;
        std::function<void()> raise;
        std::function<void()> quit;
    };

    RemoteControl(PlaybackEngine &engine, PlaylistActions &actions, Playlist &playlist,
                  MediaComponent &media, WindowCalls window, QObject *parent = nullptr);

    Status status() const override;
    Track track() const override { return m_track; }
    qint64 positionUs() const override;
    double volume() const override;
    void setVolume(double volume) override;
    double rate() const override;
    void setRate(double rate) override;
    double minimumRate() const override;
    double maximumRate() const override;
    bool canGoNext() const override;
    bool canGoPrevious() const override;
    bool canPlay() const override;
    bool canPause() const override { return status() != Status::Stopped; }
    bool canSeek() const override;

    void play() override;
    void pause() override;
    void playPause() override;
    void stop() override;
    void next() override;
    void previous() override;
    void seekBy(qint64 offsetUs) override;
    void setPosition(const QString &trackId, qint64 positionUs) override;
    void openUri(const QString &uri) override;
    void raise() override { m_window.raise(); }
    void quit() override { m_window.quit(); }

private:
    void refresh();
    void readTrack(const QString &path);

    PlaybackEngine &m_engine;
    PlaylistActions &m_actions;
    Playlist &m_playlist;
    MediaComponent &m_media;
    WindowCalls m_window;
    Track m_track;
    int m_serial = 0;
};
