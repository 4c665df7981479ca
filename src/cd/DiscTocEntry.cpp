#include "DiscTocEntry.h"

#include <cmath>

namespace {
constexpr qint64 kFramesPerSecond = 75;
constexpr qint64 kFramesPerMinute = 4500;
constexpr qint64 kBytesPerSector = 2352;

// Floor division and a modulo that is never negative, so that odd addresses still make sense.
qint64 floorDiv(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
qint64 floorMod(qint64 a, qint64 b) { return a - floorDiv(a, b) * b; }

qint64 minutes(qint64 frames) { return floorDiv(frames, kFramesPerMinute); }
qint64 seconds(qint64 frames) { return floorMod(floorDiv(frames, kFramesPerSecond), 60); }
qint64 frames(qint64 frames) { return floorMod(frames, kFramesPerSecond); }

// "##0" minutes, "00" seconds, then the frames as sixtieths of a second, "00".
QString timeText(qint64 frameCount)
{
    const auto sixtieths =
        qint64(std::lround(double(frames(frameCount)) * 60.0 / double(kFramesPerSecond)));
    return QStringLiteral("%1:%2.%3")
        .arg(minutes(frameCount))
        .arg(seconds(frameCount), 2, 10, QLatin1Char('0'))
        .arg(sixtieths, 2, 10, QLatin1Char('0'));
}
} // namespace

DiscTocEntry::DiscTocEntry(qint32 driveIndex, qint32 startSector, qint32 endSector,
                           quint8 trackNumber)
    : m_driveIndex(driveIndex), m_startSector(startSector), m_endSector(endSector),
      m_trackNumber(trackNumber)
{
}

qint64 DiscTocEntry::StartTimeMinutes() const { return minutes(Offset()); }
qint64 DiscTocEntry::StartTimeSeconds() const { return seconds(Offset()); }

qint64 DiscTocEntry::SizeBytes() const
{
    // The audio rate's arithmetic, L x 4 / 75 x 44100, which is exactly 2352 a sector.
    return length() * kBytesPerSector;
}

QString DiscTocEntry::FormattedStartTime() const { return timeText(Offset()); }
QString DiscTocEntry::FormattedLength() const { return timeText(length()); }
