#include "RenamePattern.h"

#include <cmath>
#include <utility>

#include "FixedText.h"
#include "Mp3FileRecord.h"

namespace {
void replaceAll(QString &text, const std::initializer_list<std::pair<const char *, QString>> &pairs)
{
    for (const auto &[placeholder, value] : pairs)
        text.replace(QLatin1String(placeholder), value);
}

// Whole seconds as m:ss, minutes without leading zeros (245 -> "4:05").
QString minutesSeconds(qint64 seconds)
{
    const qint64 rest = seconds % 60;
    const QString twoDigits = QString::number(std::abs(rest)).rightJustified(2, QLatin1Char('0'));
    return QString::number(seconds / 60) + QLatin1Char(':') +
           (rest < 0 ? QStringLiteral("-") : QString()) + twoDigits;
}

// Characters a file name cannot hold, or that the program never puts into one.
QString cleaned(QString name)
{
    name.remove(QChar(0)).remove(QChar(1));
    name.replace(QLatin1Char('"'), QLatin1Char('\''));
    for (const char c : {'*', '?', '/', '\\'})
        name.remove(QLatin1Char(c));
    name.replace(QLatin1Char(':'), QLatin1Char('.'));
    name.replace(QLatin1Char('<'), QLatin1Char('[')).replace(QLatin1Char('>'), QLatin1Char(']'));
    name.remove(QLatin1Char('|'));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return name;
}
} // namespace

RenamePattern::Name RenamePattern::apply(QString pattern, const Mp3FileRecord &record,
                                         bool attachTime)
{
    Name name;
    replaceAll(pattern, {{"%a", record.artist()},
                         {"%t", record.album()},
                         {"%n", record.title()},
                         {"%i", record.artist()},
                         {"%y", record.Year()},
                         {"%g", record.Genre()},
                         {"%c", record.Comment()}});
    pattern = FixedText::trimBlanks(pattern);
    if (!pattern.isEmpty() && QStringLiteral("- _").contains(pattern.back())) {
        name.notices << pattern;
        pattern.chop(1);
        name.notices << pattern;
    }
    if (attachTime)
        pattern += QStringLiteral(" (%m)");
    // Halves to even, as the play time has always been rounded.
    const auto seconds = qint64(std::nearbyint(record.PlayTime().toDouble()));
    replaceAll(pattern, {{"%b", FixedText::trimBlanks(record.Bitrate())},
                         {"%f", FixedText::trimBlanks(record.SampleRate())},
                         {"%s", QString::number(seconds)},
                         {"%m", minutesSeconds(seconds)},
                         {"%x", FixedText::trimBlanks(record.ChannelMode())},
                         {"%l", FixedText::trimBlanks(record.Layer())},
                         {"%v", FixedText::trimBlanks(record.MPEGVersion())}});
    pattern = cleaned(pattern);
    if (!pattern.endsWith(QLatin1String(".mp3")))
        pattern += QStringLiteral(".mp3");
    name.fileName = pattern;
    return name;
}
