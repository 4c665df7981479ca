#include "PlaybackTables.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr std::array<int, PlaybackTables::kLevels> kVolumes = {
    -6000, -3150, -2800, -2450, -2100, -1750, -1400, -1050, -700, -350, 0};
}

int PlaybackTables::clampLevel(int level) { return std::clamp(level, 0, kLevels - 1); }

int PlaybackTables::volumeFor(int level) { return kVolumes[size_t(clampLevel(level))]; }

QString PlaybackTables::volumeTip(int level)
{
    return QStringLiteral("Volume: %1%").arg(clampLevel(level) * 10);
}

double PlaybackTables::rateFor(int level) { return (75 + 5 * clampLevel(level)) / 100.0; }

QString PlaybackTables::speedTip(int level)
{
    return QStringLiteral("Speed: %1%").arg(75 + 5 * clampLevel(level));
}

QString PlaybackTables::FormatMinSec(int seconds)
{
    const int minutes = seconds / 60; // C++ division drops the fraction toward zero
    int rest = seconds - 60 * minutes;
    if (rest == -1)
        rest = 0;
    return QString::number(minutes) + (rest < 10 ? QStringLiteral(" :0 ") : QStringLiteral(" : ")) +
           QString::number(rest);
}

int PlaybackTables::roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return 0;
    return int(std::nearbyint(std::clamp(value, -2.0e9, 2.0e9))); // default rounding mode: to even
}

QString PlaybackTables::megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1024.0 / 1024.0, 'f', 2) + QStringLiteral("MB");
}
