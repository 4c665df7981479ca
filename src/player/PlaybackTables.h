#pragma once

#include <array>

#include <QString>

// The fixed numbers and text rules of the player window.
class PlaybackTables {
public:
    static constexpr int kLevels = 11; // levels 0..10
    static constexpr int kMiddleLevel = 5;

    // Attenuation in 1/100 dB for a volume level, and its tooltip ("Volume: 50%").
    static int volumeFor(int level);
    static QString volumeTip(int level);
    // Speed factor for a speed level (0.75 .. 1.25), and its tooltip ("Speed: 100%").
    static double rateFor(int level);
    static QString speedTip(int level);

    // "m :0 s" below ten seconds, "m : s" otherwise; minutes toward zero; seconds of -1 show as 0.
    static QString FormatMinSec(int seconds);
    // Nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
    static int roundHalfEven(double value);
    // Bytes / 1024 / 1024 with two decimals, then "MB": 1048576 -> "1.00MB".
    static QString megabytes(qint64 bytes);

private:
    static int clampLevel(int level);
};
