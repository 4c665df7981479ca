#pragma once

#include <functional>
#include <memory>

#include <QTimer>
#include <QWidget>

#include "CdDriveList.h"
#include "CdPlayer.h"
#include "CdPlayerWindowControls.h"

class CdRipLibrary;
class DiscToc;
class SoundCommands;

// "TAVRO Audio CD Player": lists the drives of the ripping library and the tracks of the disc in
// the chosen one, and plays the audio CD through the sound service's CD device (whatever drive
// is chosen). The transport Refresh opens the device; from then on a display tick (CDTimer)
// keeps the labels current while a disc is in, and a disc watch (CheckDeviceReady) waits for one
// otherwise. Its Close button is the only way out (the frame's close box is off).
class CdPlayerWindow : public QWidget {
    Q_OBJECT
public:
    // anotherCopyRunning answers whether another copy of the program runs; if it does, the
    // transport Refresh calls endProgram instead of opening the device. The ripping library is
    // the machine's, or the one handed in; the drives are read once the window is first shown.
    CdPlayerWindow(SoundCommands &sound, std::function<bool()> anotherCopyRunning,
                   std::function<void()> endProgram,
                   std::shared_ptr<CdRipLibrary> library = nullptr, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void connectButtons();
    void loadDrives();
    void loadTrackList();
    void showTrackSize(const DiscToc &toc);
    void updateDisplay();
    void checkMedia();
    void displayTick();
    void discWatchStep();
    void refreshClicked();
    void playClicked();
    void pauseClicked();
    void stopClicked();
    void stepClicked(void (CdPlayer::*step)(), const QString &refusal);
    void windClicked(void (CdPlayer::*wind)());
    void trayClicked();
    void closeClicked();
    void setStatus(const QString &text, const QColor &color);
    void setPlayingControlsEnabled(bool enabled);
    // Label16 as the last display update read it, and the track's length as mm:ss.
    void showCurrentTrack();

    SoundCommands &m_sound;
    std::function<bool()> m_anotherCopyRunning;
    std::function<void()> m_endProgram;
    CdPlayerWindowControls m_ui;
    CdDriveList m_drives;
    std::unique_ptr<CdPlayer> m_player; // none before the first transport Refresh
    QTimer m_displayTick;
    QTimer m_discWatch;
    qint16 m_currentTrack = 0; // from the last display update
    bool m_trayOpen = false;
    bool m_checkingMedia = false;
    bool m_drivesRead = false;
};
