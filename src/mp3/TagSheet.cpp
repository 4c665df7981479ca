#include "TagSheet.h"

#include <algorithm>
#include <iterator>

#include "Mp3FileRecord.h"
#include "ShortestText.h"

namespace {
QString yesNo(bool value) { return value ? QStringLiteral("YES") : QStringLiteral("NO"); }

// Seconds to hundredths as a float ("250.05"), or the integer -1 for an invalid header.
QString playTimeText(const QVariant &playTime)
{
    return playTime.typeId() == QMetaType::Float ? ShortestText::of(playTime.toFloat())
                                                 : playTime.toString();
}
} // namespace

QStringList TagSheet::fields(const Mp3FileRecord &record)
{
    return {record.title(), record.artist(),  record.album(),
            record.Year(),  record.Comment(), record.Genre()};
}

QStringList TagSheet::infoLines(const Mp3FileRecord &record)
{
    return {
        QStringLiteral("Version: ") + record.MPEGVersion(),
        QStringLiteral("Layer: ") + record.Layer(),
        QStringLiteral("Bit Rate : ") + record.Bitrate() + QStringLiteral("  Kb/s"),
        QStringLiteral("Sample Rate: ") + record.SampleRate() + QStringLiteral("  Hz"),
        QStringLiteral("Channel Mode: ") + record.ChannelMode(),
        QStringLiteral("Copyright: ") + yesNo(record.Copyright()),
        QStringLiteral("Original: ") + yesNo(record.Original()),
        QStringLiteral("Play Time: ") + playTimeText(record.PlayTime()),
        QStringLiteral("Valid Header: ") + yesNo(record.ValidHeader() == QLatin1String("True")),
    };
}

bool TagSheet::write(Mp3FileRecord &record, const QStringList &fields)
{
    // A braced list runs its elements in order, and every field is written even after a failure.
    const bool written[kFieldCount] = {
        record.setTitle(fields.value(0)),   record.setArtist(fields.value(1)),
        record.setAlbum(fields.value(2)),   record.setYear(fields.value(3)),
        record.setComment(fields.value(4)), record.setGenre(fields.value(5))};
    return std::all_of(std::begin(written), std::end(written), [](bool ok) { return ok; });
}

QString TagSheet::choiceText(const QStringList &entries, const QString &value,
                             const QString &current)
{
    if (value.isEmpty())
        return current;
    return entries.contains(value, Qt::CaseSensitive) ? value : QStringLiteral("Unknown");
}
