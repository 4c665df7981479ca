#pragma once

#include <climits>

#include <QObject>
#include <QTimer>

#include "PlayerDisplay.h"

class MediaComponent;
class Playlist;

// Drives the media component for the main window: start, stop, pause, mute, volume and speed
// levels, seeking, and the 20 ms playback tick that moves the displays and advances at the end
// of a track. It never touches widgets: it keeps a PlayerDisplay and announces each change.
class PlaybackEngine : public QObject {
    Q_OBJECT
public:
    // Fifty updates a second move every display as smoothly as a faster tick would, for a
    // fraction of the wake-ups (bench/player_cpu.sh).
    static constexpr int kTickMs = 20;

    PlaybackEngine(MediaComponent &media, Playlist &playlist, QObject *parent = nullptr);

    const PlayerDisplay &display() const { return m_display; }

    // Plays the selected entry. The start-up with a file argument skips the selection check.
    void StartPlayback(bool checkSelection = true);
    void StopPlayback();
    // A tool window that played through the component closes: the stop sequence without the
    // speed tooltips, and the tick running.
    void stopAfterToolWindow();
    void PlaybackTick();

    // The Pause button: pauses when its caption says "Pause", resumes otherwise.
    void pauseOrResume();
    void pause();
    void resume();
    // The component is paused. Not the caption: it keeps "Resume" through a stop and a new start.
    bool paused() const { return m_paused; }
    void toggleMute();
    void volumeUp() { setVolumeLevel(m_display.volumeLevel + 1); }
    void volumeDown() { setVolumeLevel(m_display.volumeLevel - 1); }
    void speedUp() { setSpeedLevel(m_display.speedLevel + 1); }
    void speedDown() { setSpeedLevel(m_display.speedLevel - 1); }
    // Levels 0..10, clamped.
    void setVolumeLevel(int level);
    void setSpeedLevel(int level);
    // The user moved the position slider to a whole second.
    void seekBySlider(int seconds);
    // The user pressed on the seek bar at a position in seconds.
    void seekByBar(double seconds);
    // The main window became active: middle volume and speed.
    void activate();
    // After a double-click, Next, Previous or an automatic advance.
    void resetSpeedAndMute();
    // The user chose a play-list entry, or the selection moved: " File is selected ".
    void showSelection();

    void disablePause();
    // Clear empties every value label and shows no file.
    void clearValues();

signals:
    void displayChanged();
    // The user moved the position by the slider or the seek bar.
    void seeked();

private:
    void stopAndShowStopped();
    void setStatus(const QString &text, quint32 color);
    void advanceAtEnd();
    void showCounts();
    void publish();

    // The tick runs fifty times a second; a text is made again only when its number changes.
    struct CachedText {
        int number = INT_MIN;
        QString text;
        template <typename Make> const QString &of(int value, Make make)
        {
            if (value != number) {
                number = value;
                text = make(value);
            }
            return text;
        }
    };

    MediaComponent &m_media;
    Playlist &m_playlist;
    PlayerDisplay m_display;
    PlayerDisplay m_published;
    bool m_paused = false;
    QTimer m_tick;
    CachedText m_progressText;
    CachedText m_remainingText;
    CachedText m_positionText;
    CachedText m_lengthText;
};
