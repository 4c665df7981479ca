#pragma once

#include "PlaybackEngine.h"
#include "Playlist.h"
#include "PlaylistActions.h"

#include <QPoint>
#include <QTimer>
#include <QWidget>

#include <map>

class chameleonButton;
class MediaComponent;
class PathStrip;
class QLabel;
class QListWidget;
class QRadioButton;
class QSlider;
class ScrollingText;
class SeekBar;
class TitleLabel;

// The main player window: a frameless 7095 x 4455-twip window with its own title line. It owns
// the play list and the playback engine and only wires its controls to them. Controls carry
// their designer names as object names (chameleonButton1, Label14, List1, ...).
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(MediaComponent &media, QWidget *parent = nullptr);

    // A command line ending in "mp3" is one path: it is added to the play list and played.
    void startUp(const QStringList &arguments);

    Playlist &playlist() { return m_playlist; }
    PlaybackEngine &engine() { return m_engine; }
    chameleonButton *button(int number) const;

    // Shows a tool window in place of this one; this window comes back when that one is closed.
    void showToolWindow(QWidget *window);
    // Opens the tool window of a main-window button (chameleonButton<number>).
    void openToolWindow(int buttonNumber);

protected:
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void buildTitleLine();
    void buildPlaylistAndValues();
    void buildPlaybackControls();
    void buildButtons();
    void buildFooter();
    void connectPlaylist();
    QLabel *addLabel(const char *name, const QString &caption, const QRect &geometry,
                     const QString &tooltip = QString());
    void render();
    void showCredit();
    void showClock();
    void DragWindow(const QPoint &globalPosition);
    void exitPlayer();

    MediaComponent &m_media;
    Playlist m_playlist;
    PlaybackEngine m_engine;
    PlaylistActions m_actions;

    std::map<int, chameleonButton *> m_buttons;
    QListWidget *m_list = nullptr;
    QSlider *m_slider1 = nullptr;
    QSlider *m_slider2 = nullptr;
    QSlider *m_slider3 = nullptr;
    SeekBar *m_seekBar = nullptr;
    PathStrip *m_pathStrip = nullptr;
    ScrollingText *m_credit = nullptr;
    QLabel *m_date = nullptr;
    QLabel *m_time = nullptr;
    std::map<QString, QLabel *> m_values;
    bool m_rendering = false;
    PlayerDisplay m_shown;
    bool m_shownOnce = false;
    int m_creditTwips = 0;

    QTimer m_creditTimer; // Timer2
    QTimer m_pathTimer;   // Timer3
    QTimer m_clockTimer;  // Timer4

    QPoint m_dragOffset;
    bool m_dragging = false;
};
