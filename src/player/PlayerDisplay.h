#pragma once

#include <QString>

// Everything the main window shows about playback, as the engine last set it. The window draws
// it; tests read it. Colours are 0xRRGGBB.
struct PlayerDisplay {
    static constexpr quint32 kGreen = 0x00FF00;
    static constexpr quint32 kBlue = 0x0000FF;
    static constexpr quint32 kRed = 0xFF0000;

    QString status = QStringLiteral(" No File is Selected "); // Label28
    quint32 statusColor = kBlue;
    QString position;    // Label4
    QString remaining;   // Label5
    QString progress;    // Label6
    QString length;      // Label9
    QString size;        // Label12
    QString totalFiles;  // Label14
    QString currentFile; // Label16
    QString path;        // Label17

    bool pauseEnabled = false; // doubles as "a file is loaded"
    QString pauseCaption = QStringLiteral("Pause");
    QString muteCaption = QStringLiteral("Mute Off");
    int volumeLevel = 5; // Slider2
    int speedLevel = 5;  // Slider3
    QString volumeTip = QStringLiteral("Volume: 50%");
    QString speedTip = QStringLiteral("Speed: 100%");

    int sliderValue = 0;           // Slider1, whole seconds
    int sliderMax = 0;             // may be -1 after a stop
    double seekScale = 0.0;        // P1's width in seconds (the duration)
    double marker = 0.0;           // L1's left edge, seconds
    bool pathStripVisible = false; // Picture1

    bool operator==(const PlayerDisplay &) const = default;
};
