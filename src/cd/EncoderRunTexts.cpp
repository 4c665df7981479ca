#include "EncoderRunTexts.h"

namespace {
QString twoDigits(qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

QString spacedClock(qint64 hours, qint64 minutes, qint64 seconds)
{
    return QStringLiteral(" %1 : %2 : %3 ")
        .arg(twoDigits(hours), twoDigits(minutes), twoDigits(seconds));
}
} // namespace

QString EncoderRunTexts::Ripping(quint8 trackNumber, const QString &wavFile)
{
    return QStringLiteral("Ripping track %1  to %2...").arg(trackNumber).arg(wavFile);
}

QString EncoderRunTexts::WavReady(quint8 trackNumber)
{
    return QStringLiteral("Temporary wave file has been generated for track %1").arg(trackNumber);
}

QString EncoderRunTexts::StartTime(const QTime &time)
{
    return spacedClock(time.hour(), time.minute(), time.second());
}

QString EncoderRunTexts::EndTime(const QTime &time)
{
    return time.toString(QStringLiteral("hh:mm:ss"));
}

QString EncoderRunTexts::Elapsed(qint64 seconds)
{
    seconds = qMax<qint64>(seconds, 0); // a clock set back during the run
    return spacedClock(seconds / 3600, seconds / 60 % 60, seconds % 60);
}

QString EncoderRunTexts::NewSize(qint64 bytes)
{
    return QStringLiteral("New mp3 File Size  :  ") +
           QString::number(double(bytes) / 1024.0 / 1024.0, 'f', 2) + QStringLiteral("MB");
}

QString EncoderRunTexts::EncodingProgress(qint64 samplesDone, qint64 totalSamples)
{
    const double percent =
        totalSamples > 0 ? double(samplesDone) / double(totalSamples) * 100.0 : 100.0;
    return QStringLiteral(" Encoding process is ") + QString::number(percent, 'f', 1) +
           QStringLiteral(" %  completed ");
}
