#pragma once

#include <QList>
#include <QUrl>

class PlaybackEngine;
class Playlist;

// The play-list buttons of the main window: Open (and drops onto the list), Save List, Delete,
// Clear, Next, Previous, double-click, and the check before the information window opens. Messages
// and file choices go through the MessageBox and FileDialog indirections.
class PlaylistActions {
public:
    PlaylistActions(Playlist &playlist, PlaybackEngine &engine);

    void open();
    // Adds what a drop onto the play list holds (DroppedFiles) at its end, as Open adds, but
    // never in place of the list: a dropped play list joins the entries already there.
    void addDropped(const QList<QUrl> &urls);
    void save();
    void deleteSelected();
    void clear();
    void next() { step(+1); }
    void previous() { step(-1); }
    // Why Next (+1) or Previous (-1) would not move now, as the message says it; null when it
    // would.
    const char *stepRefusal(int direction) const;
    void doubleClick();
    // True when the selected entry may be shown in the information window; otherwise says why.
    bool checkInfoSelection();

private:
    void step(int direction);
    static void complain(const char *prompt);

    Playlist &m_playlist;
    PlaybackEngine &m_engine;
};
