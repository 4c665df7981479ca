#include "SoundCommandParser.h"

#include <algorithm>

#include "SoundErrors.h"

namespace {
using Verb = SoundCommand::Verb;
using TimeFormat = SoundCommand::TimeFormat;
using StatusItem = SoundCommand::StatusItem;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

quint32 split(const QByteArray &text, QList<QByteArray> &words)
{
    for (qsizetype i = 0; i < text.size();) {
        if (isBlank(text[i])) {
            ++i;
        } else if (text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            if (close < 0)
                return SoundErrors::NoClosingQuote;
            words << text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            qsizetype end = i;
            while (end < text.size() && !isBlank(text[end]))
                ++end;
            words << text.mid(i, end - i);
            i = end;
        }
    }
    return SoundErrors::None;
}

std::optional<qint64> number(const QByteArray &word)
{
    bool ok = false;
    const qint64 value = word.toLongLong(&ok, 10);
    // toLongLong takes a leading '+' and blanks; a command number is digits and a minus sign.
    if (!ok || word.startsWith('+'))
        return std::nullopt;
    return value;
}

std::optional<Verb> verbOf(const QByteArray &word)
{
    static const struct {
        const char *name;
        Verb verb;
    } verbs[] = {{"open", Verb::Open},     {"close", Verb::Close}, {"set", Verb::Set},
                 {"status", Verb::Status}, {"play", Verb::Play},   {"seek", Verb::Seek},
                 {"pause", Verb::Pause},   {"stop", Verb::Stop},   {"record", Verb::Record},
                 {"save", Verb::Save}};
    for (const auto &v : verbs) {
        if (word.compare(v.name, Qt::CaseInsensitive) == 0)
            return v.verb;
    }
    return std::nullopt;
}
} // namespace

quint32 SoundCommandParser::parse(const QByteArray &text, SoundCommand &command)
{
    QList<QByteArray> words;
    if (const quint32 error = split(text, words))
        return error;
    if (words.isEmpty())
        return SoundErrors::MissingCommandString;
    const std::optional<Verb> verb = verbOf(words.first());
    if (!verb)
        return SoundErrors::UnrecognizedCommand;
    if (words.size() < 2)
        return SoundErrors::MissingDeviceName;
    command = SoundCommand();
    command.verb = *verb;
    command.device = words[1].toLower();
    SoundCommandParser parser(words.mid(2));
    switch (*verb) {
    case Verb::Open: return parser.parseOpen(command);
    case Verb::Set: return parser.parseSet(command);
    case Verb::Status: return parser.parseStatus(command);
    case Verb::Play:
    case Verb::Record: return parser.parseFromTo(command);
    case Verb::Seek: return parser.parseSeek(command);
    case Verb::Save: return parser.parseSave(command);
    case Verb::Close:
    case Verb::Pause:
    case Verb::Stop: return parser.parseFlagsOnly(command);
    }
    return SoundErrors::UnrecognizedCommand;
}

bool SoundCommandParser::take(const char *word)
{
    if (atEnd() || m_words[m_at].compare(word, Qt::CaseInsensitive) != 0)
        return false;
    ++m_at;
    return true;
}

bool SoundCommandParser::takeFlag(SoundCommand &command)
{
    if (take("wait")) {
        command.wait = true;
        return true;
    }
    // Nothing is ever notified: there is no window to notify.
    return take("notify");
}

quint32 SoundCommandParser::takeValue(QByteArray &value)
{
    if (atEnd())
        return SoundErrors::MissingStringArgument;
    value = m_words[m_at++];
    return SoundErrors::None;
}

quint32 SoundCommandParser::takeNumber(std::optional<qint64> &value)
{
    if (atEnd())
        return SoundErrors::MissingParameter;
    value = number(m_words[m_at++]);
    return value ? SoundErrors::None : SoundErrors::BadInteger;
}

quint32 SoundCommandParser::takePosition(std::optional<SoundPosition> &position)
{
    if (atEnd())
        return SoundErrors::MissingParameter;
    const QList<QByteArray> parts = m_words[m_at++].split(':');
    if (parts.size() > 4)
        return SoundErrors::BadInteger;
    SoundPosition read;
    for (const QByteArray &part : parts) {
        const std::optional<qint64> field = number(part);
        if (!field || (parts.size() > 1 && *field < 0))
            return SoundErrors::BadInteger;
        read.fields << *field;
    }
    position = read;
    return SoundErrors::None;
}

quint32 SoundCommandParser::parseOpen(SoundCommand &command)
{
    command.type = command.device;
    while (!atEnd()) {
        quint32 error = SoundErrors::None;
        if (take("type")) {
            error = takeValue(command.type);
            command.type = command.type.toLower();
        } else if (take("alias")) {
            error = takeValue(command.alias);
            command.alias = command.alias.toLower();
        } else if (take("shareable")) {
            command.shareable = true;
        } else if (!takeFlag(command)) {
            return SoundErrors::UnrecognizedKeyword;
        }
        if (error)
            return error;
    }
    if (command.device == "new" && command.alias.isEmpty())
        return SoundErrors::NewRequiresAlias;
    if (command.alias.isEmpty())
        command.alias = command.device;
    return SoundErrors::None;
}

quint32 SoundCommandParser::parseSet(SoundCommand &command)
{
    static const struct {
        const char *name;
        TimeFormat format;
    } formats[] = {{"msf", TimeFormat::Msf},
                   {"tmsf", TimeFormat::Tmsf},
                   {"milliseconds", TimeFormat::Milliseconds},
                   {"ms", TimeFormat::Milliseconds},
                   {"bytes", TimeFormat::Bytes},
                   {"samples", TimeFormat::Samples}};
    bool any = false;
    while (!atEnd()) {
        quint32 error = SoundErrors::None;
        if (take("time")) {
            if (!take("format"))
                return SoundErrors::UnrecognizedKeyword;
            QByteArray name;
            if ((error = takeValue(name)))
                return error;
            const auto *found = std::find_if(std::begin(formats), std::end(formats), [&](auto &f) {
                return name.compare(f.name, Qt::CaseInsensitive) == 0;
            });
            if (found == std::end(formats))
                return SoundErrors::BadTimeFormat;
            command.timeFormat = found->format;
        } else if (take("door")) {
            if (take("open"))
                command.doorOpen = true;
            else if (take("closed"))
                command.doorOpen = false;
            else
                return atEnd() ? SoundErrors::MissingParameter : SoundErrors::BadConstant;
        } else if (take("bitspersample")) {
            error = takeNumber(command.bitsPerSample);
        } else if (take("channels")) {
            error = takeNumber(command.channels);
        } else if (take("bytespersec")) {
            error = takeNumber(command.bytesPerSecond);
        } else if (take("samplespersec")) {
            error = takeNumber(command.samplesPerSecond);
        } else if (take("alignment")) {
            error = takeNumber(command.alignment);
        } else if (takeFlag(command)) {
            continue;
        } else {
            return SoundErrors::UnrecognizedKeyword;
        }
        if (error)
            return error;
        any = true;
    }
    return any ? SoundErrors::None : SoundErrors::MissingParameter;
}

quint32 SoundCommandParser::parseStatus(SoundCommand &command)
{
    static const struct {
        const char *first;
        const char *second; // null: one word
        StatusItem item;
    } items[] = {{"media", "present", StatusItem::MediaPresent},
                 {"mode", nullptr, StatusItem::Mode},
                 {"ready", nullptr, StatusItem::Ready},
                 {"current", "track", StatusItem::CurrentTrack},
                 {"length", nullptr, StatusItem::Length},
                 {"position", nullptr, StatusItem::Position},
                 {"time", "format", StatusItem::TimeFormat}};
    bool found = false;
    if (take("number")) {
        if (!take("of") || !take("tracks"))
            return SoundErrors::UnrecognizedKeyword;
        command.item = StatusItem::NumberOfTracks;
        found = true;
    }
    for (const auto &item : items) {
        if (found || !take(item.first))
            continue;
        if (item.second && !take(item.second))
            return SoundErrors::UnrecognizedKeyword;
        command.item = item.item;
        found = true;
    }
    if (!found)
        return atEnd() ? SoundErrors::MissingParameter : SoundErrors::UnrecognizedKeyword;
    while (!atEnd()) {
        const bool trackItem =
            command.item == StatusItem::Length || command.item == StatusItem::Position;
        if (trackItem && !command.track && take("track")) {
            if (const quint32 error = takeNumber(command.track))
                return error;
        } else if (!takeFlag(command)) {
            return SoundErrors::UnrecognizedKeyword;
        }
    }
    return SoundErrors::None;
}

quint32 SoundCommandParser::parseFromTo(SoundCommand &command)
{
    while (!atEnd()) {
        if (!command.from && take("from")) {
            if (const quint32 error = takePosition(command.from))
                return error;
        } else if (!takeFlag(command)) {
            return SoundErrors::UnrecognizedKeyword;
        }
    }
    return SoundErrors::None;
}

quint32 SoundCommandParser::parseSeek(SoundCommand &command)
{
    bool found = false;
    while (!atEnd()) {
        if (!found && take("to")) {
            found = true;
            if (take("start"))
                command.seekTarget = SoundCommand::SeekTarget::Start;
            else if (take("end"))
                command.seekTarget = SoundCommand::SeekTarget::End;
            else if (const quint32 error = takePosition(command.to))
                return error;
        } else if (!takeFlag(command)) {
            return SoundErrors::UnrecognizedKeyword;
        }
    }
    return found ? SoundErrors::None : SoundErrors::MissingParameter;
}

quint32 SoundCommandParser::parseSave(SoundCommand &command)
{
    // An unquoted name with blanks is taken whole, as far as single blanks go.
    QList<QByteArray> name;
    while (!atEnd()) {
        if (!takeFlag(command))
            name << m_words[m_at++];
    }
    command.fileName = name.join(' ');
    return SoundErrors::None;
}

quint32 SoundCommandParser::parseFlagsOnly(SoundCommand &command)
{
    while (!atEnd()) {
        if (!takeFlag(command))
            return SoundErrors::UnrecognizedKeyword;
    }
    return SoundErrors::None;
}
