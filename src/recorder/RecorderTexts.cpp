#include "RecorderTexts.h"

namespace {
QString twoDigits(qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }
} // namespace

QString RecorderTexts::Time(qint64 seconds)
{
    seconds = qMax<qint64>(seconds, 0);
    return twoDigits(seconds / 60) + QLatin1Char(':') + twoDigits(seconds % 60);
}

QString RecorderTexts::Size(qint64 bytes)
{
    return QString::number(double(bytes) / 1024.0 / 1024.0, 'f', 2) + QStringLiteral(" MB");
}

QString RecorderTexts::EncodingProgress(qint64 samplesDone, qint64 totalSamples)
{
    const double percent =
        totalSamples > 0 ? double(samplesDone) / double(totalSamples) * 100.0 : 100.0;
    return QString(94, QLatin1Char(' ')) + QStringLiteral("Encoding process is ") +
           QString::number(percent, 'f', 1) + QStringLiteral(" %  completed ");
}
