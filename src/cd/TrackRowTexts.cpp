#include "TrackRowTexts.h"

#include "DiscTocEntry.h"

QString TrackRowTexts::Name(const DiscTocEntry &entry)
{
    return QStringLiteral("Track %1").arg(entry.TrackNumber(), 2, 10, QLatin1Char('0'));
}

QString TrackRowTexts::Size(const DiscTocEntry &entry)
{
    return QString::number(double(entry.SizeBytes()) / 1048576.0, 'f', 2) + QStringLiteral("MB");
}
