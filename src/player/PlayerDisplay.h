#pragma once

#include <QString>

// Everything the main window shows about playback, as the engine last set it. The window draws
// it; tests read it. Colours are 0xRRGGBB.
struct PlayerDisplay {
    static constexpr quint32 kGreen = 0x00FF00;
    static constexpr quint32 kBlue = 0x0000FF;
    static constexpr quint32 kRed = 0xFF0000;

    QString status = QStringLiteral(" No File is Selected ");
    quint32 statusColor = kBlue;
    QString position;
    QString remaining;
    QString progress;
    QString length;
    QString fileSize;
    QString totalFiles;
    QString currentFile;
    QString filePath;

    bool pauseEnabled = false; // doubles as "a file is loaded"
    QString pauseCaption = QStringLiteral("Pause");
    QString muteCaption = QStringLiteral("Mute Off");
    int volumeLevel = 5; // 0..10
    int speedLevel = 5;  // 0..10
    QString volumeTip = QStringLiteral("Volume: 50%");
    QString speedTip = QStringLiteral("Speed: 100%");

    int sliderValue = 0;    // the position slider, whole seconds
    int sliderMax = 0;      // may be -1 after a stop
    double seekScale = 0.0; // the seek bar's width in seconds (the duration)
    double marker = 0.0;    // the seek bar marker's left edge, seconds
    bool pathStripVisible = false;

    bool operator==(const PlayerDisplay &) const = default;
};
