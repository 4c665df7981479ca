#include "TagSheet.h"

#include "ShortestText.h"
#include "clsMP3.h"

namespace {
QString yesNo(bool value) { return value ? QStringLiteral("YES") : QStringLiteral("NO"); }

// Seconds to hundredths as a float ("250.05"), or the integer -1 for an invalid header.
QString playTimeText(const QVariant &playTime)
{
    return playTime.typeId() == QMetaType::Float ? ShortestText::of(playTime.toFloat())
                                                 : playTime.toString();
}
} // namespace

QStringList TagSheet::fields(const clsMP3 &record)
{
    return {record.title(),   record.artist(),  record.album(),
            record.Year(),    record.Comment(), record.Genre()};
}

QStringList TagSheet::infoLines(const clsMP3 &record)
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

bool TagSheet::write(clsMP3 &record, const QStringList &fields)
{
    using Setter = bool (clsMP3::*)(const QString &);
    static constexpr Setter setters[kFieldCount] = {&clsMP3::setTitle,   &clsMP3::setArtist,
                                                    &clsMP3::setAlbum,   &clsMP3::setYear,
                                                    &clsMP3::setComment, &clsMP3::setGenre};
    bool written = true;
    for (int i = 0; i < kFieldCount; ++i)
        written = (record.*setters[i])(fields.value(i)) && written;
    return written;
}

QString TagSheet::choiceText(const QStringList &entries, const QString &value,
                             const QString &current)
{
    if (value.isEmpty())
        return current;
    return entries.contains(value, Qt::CaseSensitive) ? value : QStringLiteral("Unknown");
}
