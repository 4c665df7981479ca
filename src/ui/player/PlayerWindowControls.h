#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include "FormBuilder.h"

class ChameleonButton;
class PathStrip;
class QLabel;
class QListWidget;
class QSlider;
class QWidget;
class ScrollingText;
class SeekBar;
class TitleLabel;

// Lays out the main window's controls on it: captions, tooltips, designer names (as object
// names, noted beside each member) and places. PlayerWindow wires them; nothing here reacts to
// anything.
class PlayerWindowControls {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int kWidth = 7095 / kTwipsPerPixel;  // 473 pixels
    static constexpr int kHeight = 4455 / kTwipsPerPixel; // 297 pixels

    explicit PlayerWindowControls(QWidget &window);

    TitleLabel *title = nullptr;       // Label1
    TitleLabel *minimise = nullptr;    // Label2
    TitleLabel *exit = nullptr;        // Label3
    TitleLabel *time = nullptr;        // Label27
    QLabel *date = nullptr;            // Label30
    QListWidget *playlist = nullptr;   // List1
    PathStrip *pathStrip = nullptr;    // Picture1
    SeekBar *seekBar = nullptr;        // P1
    QSlider *positionSlider = nullptr; // Slider1
    QSlider *volumeSlider = nullptr;   // Slider2
    QSlider *speedSlider = nullptr;    // Slider3
    ScrollingText *credit = nullptr;   // Label24

    // What the engine fills in.
    QLabel *currentFile = nullptr; // Label16
    QLabel *totalFiles = nullptr;  // Label14
    QLabel *fileSize = nullptr;    // Label12
    QLabel *position = nullptr;    // Label4
    QLabel *remaining = nullptr;   // Label5
    QLabel *length = nullptr;      // Label9
    QLabel *status = nullptr;      // Label28
    QLabel *filePath = nullptr;    // Label17
    QLabel *progress = nullptr;    // Label6

    ChameleonButton *open = nullptr;        // chameleonButton1
    ChameleonButton *play = nullptr;        // chameleonButton2
    ChameleonButton *stop = nullptr;        // chameleonButton3
    ChameleonButton *pause = nullptr;       // chameleonButton4
    ChameleonButton *next = nullptr;        // chameleonButton5
    ChameleonButton *previous = nullptr;    // chameleonButton6
    ChameleonButton *clear = nullptr;       // chameleonButton7
    ChameleonButton *mute = nullptr;        // chameleonButton8
    ChameleonButton *saveList = nullptr;    // chameleonButton9
    ChameleonButton *openInfo = nullptr;    // chameleonButton10
    ChameleonButton *ripMp3 = nullptr;      // chameleonButton11
    ChameleonButton *deleteEntry = nullptr; // chameleonButton12
    ChameleonButton *record = nullptr;      // chameleonButton13
    ChameleonButton *editTags = nullptr;    // chameleonButton14
    ChameleonButton *cutMerge = nullptr;    // chameleonButton15
    ChameleonButton *volumeUp = nullptr;    // chameleonButton16
    ChameleonButton *volumeDown = nullptr;  // chameleonButton17
    ChameleonButton *speedUp = nullptr;     // chameleonButton18
    ChameleonButton *speedDown = nullptr;   // chameleonButton19
    ChameleonButton *audioCd = nullptr;     // chameleonButton20
    ChameleonButton *about = nullptr;       // chameleonButton21
    ChameleonButton *search = nullptr;      // chameleonButton22

private:
    void buildTitleLine();
    void buildPlaylistAndValues();
    void buildPlaybackControls();
    void buildButtons();
    void buildFooter();

    QWidget &m_window;
    FormBuilder m_build{m_window};
};
