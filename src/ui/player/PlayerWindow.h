#pragma once

#include <functional>

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include "PlaybackEngine.h"
#include "PlayerWindowControls.h"
#include "Playlist.h"
#include "PlaylistActions.h"
#include "RemoteControl.h"

class MediaComponent;
class SoundCommands;

// The main player window: a frameless 7095 x 4455-twip window with its own title line. It owns
// the play list and the playback engine and only wires its controls (PlayerWindowControls) to
// them. The tool-window buttons show their window in place of this one.
class PlayerWindow : public QWidget {
    Q_OBJECT
public:
    // sound drives the audio CD; anotherCopyRunning tells the CD player whether another copy of
    // the program runs (none when it is empty).
    PlayerWindow(MediaComponent &media, SoundCommands &sound,
                 std::function<bool()> anotherCopyRunning = {}, QWidget *parent = nullptr);

    // The file a command line names: its arguments joined by blanks, when that ends in "mp3"
    // (a path with blanks arrives in pieces); empty otherwise.
    static QString commandLineFile(const QStringList &arguments);
    // A command line naming a file (commandLineFile): it is added to the play list and played.
    void startUp(const QStringList &arguments) { playFiles({commandLineFile(arguments)}); }
    // Files ending in "mp3", as a command line names them, are added and the first is played;
    // a later copy of the program hands its file over this way. Other texts are passed over.
    void playFiles(const QStringList &paths);
    // A later copy was started without a file: this window, or the tool window shown in its
    // place, comes to the front.
    void comeForward();

    Playlist &playlist() { return m_playlist; }
    PlaybackEngine &engine() { return m_engine; }
    // The player as media keys and the desktop's media widget reach it.
    RemoteControl &remote() { return m_remote; }
    const PlayerWindowControls &controls() const { return m_ui; }

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    // Shows a tool window in place of this one; this window comes back when that one is closed.
    void showToolWindow(QWidget *window);
    void connectTitleLine();
    void connectPlayback();
    void connectButtons();
    // Make Association and Remove Association register this program as the opener of .mp3 files
    // on the desktop, or take that back; neither shows a message.
    void connectAssociationOptions();
    void connectPlaylist();
    void render();
    void scrollLines();
    void showClock();
    void DragWindow(const QPoint &globalPosition);
    void exitPlayer();

    MediaComponent &m_media;
    SoundCommands &m_sound;
    std::function<bool()> m_anotherCopyRunning;
    Playlist m_playlist;
    PlaybackEngine m_engine;
    PlaylistActions m_actions;
    RemoteControl m_remote;

    PlayerWindowControls m_ui;
    bool m_rendering = false;
    PlayerDisplay m_shown;
    bool m_shownOnce = false;
    int m_creditTwips = 0;

    QTimer m_scrollTimer;
    QTimer m_clockTimer;

    QPoint m_dragOffset;
    bool m_dragging = false;
};
