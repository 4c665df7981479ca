#include "TocSheet.h"

#include <cctype>

namespace {
constexpr qint64 kSamplesPerSector = SheetTracks::kSectorBytes / 4;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool isWordEnd(char c) { return isBlank(c) || c == '"' || c == '{' || c == '}'; }

// "mm:ss:ff", or a number of 16-bit stereo samples that makes whole sectors; -1 otherwise.
qint64 toSectors(const QByteArray &text)
{
    if (text.contains(':'))
        return SheetTracks::sectors(text);
    bool ok = false;
    const qint64 samples = text.toLongLong(&ok);
    return ok && samples >= 0 && samples % kSamplesPerSector == 0 ? samples / kSamplesPerSector
                                                                  : -1;
}
} // namespace

bool TocSheet::read(const QString &tocPath)
{
    *this = TocSheet();
    QByteArray content;
    QString folder;
    if (!SheetTracks::readSheet(tocPath, content, folder)) {
        m_problem = QStringLiteral("not a TOC sheet that can be read");
        return false;
    }
    QList<Token> tokens;
    int line = 1;
    for (qsizetype i = 0; i < content.size();) {
        const char c = content[i];
        if (isBlank(c)) {
            line += c == '\n';
            ++i;
        } else if (content.mid(i, 2) == "//") {
            i = content.indexOf('\n', i);
            i = i < 0 ? content.size() : i;
        } else if (c == '"') {
            const qsizetype close = content.indexOf('"', i + 1);
            if (close < 0 || content.mid(i, close - i).contains('\n'))
                return fail(QStringLiteral("line %1: a quote that is not closed").arg(line));
            tokens << Token{content.mid(i + 1, close - i - 1), true, line};
            i = close + 1;
        } else {
            qsizetype end = i + 1;
            while (c != '{' && c != '}' && end < content.size() && !isWordEnd(content[end]))
                ++end;
            tokens << Token{content.mid(i, end - i), false, line};
            i = end;
        }
    }
    const bool ok = parse(tokens, folder);
    if (!ok) {
        const QString reason = m_problem;
        *this = TocSheet();
        m_problem = reason;
    }
    return ok;
}

bool TocSheet::fail(const QString &reason)
{
    m_problem = reason;
    return false;
}

bool TocSheet::parse(const QList<Token> &tokens, const QString &folder)
{
    // The header: a catalog number may come before the sheet's type.
    qsizetype at = tokens.size() > 1 && tokens[0].text == "CATALOG" && tokens[1].quoted ? 2 : 0;
    if (at >= tokens.size() || tokens[at].quoted || tokens[at].text != "CD_DA")
        return fail(QStringLiteral("not an audio-CD sheet (CD_DA)"));
    for (++at; at < tokens.size();) {
        const int line = tokens[at].line;
        if (!statement(tokens, at, folder)) {
            return fail(
                QStringLiteral("line %1: %2")
                    .arg(line)
                    .arg(m_problem.isEmpty() ? QStringLiteral("not understood") : m_problem));
        }
    }
    if (!m_tracks.isEmpty() && !endTrack())
        return false;
    return m_tracks.complete(m_problem);
}

// One statement from tokens[at]; at moves past it.
bool TocSheet::statement(const QList<Token> &tokens, qsizetype &at, const QString &folder)
{
    const auto word = [&](qsizetype i) {
        return i < tokens.size() && !tokens[i].quoted ? tokens[i].text : QByteArray();
    };
    const auto quoted = [&](qsizetype i) { return i < tokens.size() && tokens[i].quoted; };
    const QByteArray keyword = word(at);
    const bool inTrack = !m_tracks.isEmpty();
    if (keyword == "CATALOG" && !inTrack && quoted(at + 1)) {
        at += 2;
        return true;
    }
    if (keyword == "CD_TEXT" && word(at + 1) == "{") {
        int depth = 0;
        for (++at; at < tokens.size(); ++at) {
            depth += word(at) == "{" ? 1 : word(at) == "}" ? -1 : 0;
            if (depth == 0) {
                ++at;
                return true;
            }
        }
        return fail(QStringLiteral("a CD_TEXT block that is not closed"));
    }
    if (keyword == "TRACK") {
        if (inTrack && !endTrack())
            return false;
        if (word(at + 1) != "AUDIO")
            return fail(QStringLiteral("only AUDIO tracks can be read"));
        at += 2;
        m_track = Pending();
        return m_tracks.addTrack(int(m_tracks.trackCount()) + 1, "AUDIO", m_problem);
    }
    if (!inTrack)
        return false;
    if (keyword == "ISRC" && quoted(at + 1)) {
        at += 2;
        return true;
    }
    if (keyword == "NO" && (word(at + 1) == "COPY" || word(at + 1) == "PRE_EMPHASIS")) {
        at += 2;
        return true;
    }
    if (keyword == "FILE" || keyword == "AUDIOFILE")
        return file(tokens, at, folder);
    const QByteArray flag = keyword == "COPY"                 ? "DCP"
                            : keyword == "PRE_EMPHASIS"       ? "PRE"
                            : keyword == "FOUR_CHANNEL_AUDIO" ? "4CH"
                                                              : "";
    if (!flag.isEmpty() || keyword == "TWO_CHANNEL_AUDIO") {
        ++at;
        m_track.flags = (m_track.flags + ' ' + flag).trimmed();
        return true;
    }
    const qint64 time = toSectors(word(at + 1));
    if ((keyword != "PREGAP" && keyword != "START" && keyword != "INDEX") || time < 0)
        return false;
    at += 2;
    if (keyword == "PREGAP") {
        return !m_track.hasFile ? m_tracks.setPregap(time, m_problem)
                                : fail(QStringLiteral("PREGAP after the track's FILE"));
    }
    // START: where index 01 lies after the track's start; INDEX: later indexes, after index 01.
    const qint64 last = m_track.indexes.isEmpty() ? 0 : m_track.indexes.last();
    if (keyword == "START" && m_track.hasFile && m_track.offset == 0 && m_track.indexes.isEmpty() &&
        time < m_track.length) {
        m_track.offset = time;
        return true;
    }
    if (keyword == "INDEX" && m_track.hasFile && time > last &&
        m_track.offset + time < m_track.length) {
        m_track.indexes << time;
        return true;
    }
    return fail(keyword + QStringLiteral(" out of place or past the track's end"));
}

// FILE "name" start [length]: the track's audio in the BIN.
bool TocSheet::file(const QList<Token> &tokens, qsizetype &at, const QString &folder)
{
    const auto time = [&](qsizetype i) {
        return i < tokens.size() && !tokens[i].quoted ? toSectors(tokens[i].text) : -1;
    };
    if (m_track.hasFile)
        return fail(QStringLiteral("a track with more than one FILE"));
    if (at + 2 >= tokens.size() || !tokens[at + 1].quoted || time(at + 2) < 0)
        return fail(QStringLiteral("FILE needs a quoted name and a start time in whole sectors"));
    const QByteArray name = tokens[at + 1].text;
    const qint64 start = time(at + 2);
    // A length is optional, so a number that follows is one, and must make whole sectors.
    const bool hasLength = at + 3 < tokens.size() && !tokens[at + 3].quoted &&
                           !tokens[at + 3].text.isEmpty() && std::isdigit(tokens[at + 3].text[0]);
    const qint64 length = hasLength ? time(at + 3) : -1;
    if (hasLength && length < 0)
        return fail(QStringLiteral("a FILE length that is not whole sectors"));
    at += hasLength ? 4 : 3;
    if (m_tracks.binPath().isEmpty() && !m_tracks.setBin(folder, name, m_problem))
        return false;
    if (SheetTracks::pathIn(folder, name) != m_tracks.binPath())
        return fail(QStringLiteral("tracks in more than one BIN file"));
    m_track.hasFile = true;
    m_track.start = start;
    m_track.length = length >= 0 ? length : m_tracks.binSectors() - start;
    if (start != m_end)
        return fail(QStringLiteral("track %1 does not start where the one before it ends")
                        .arg(m_tracks.trackCount()));
    if (m_track.length <= 0 || start + m_track.length > m_tracks.binSectors())
        return fail(QStringLiteral("track %1 runs past the end of the BIN file")
                        .arg(m_tracks.trackCount()));
    m_end = start + m_track.length;
    return true;
}

// Hands the track read to the checked list: index 00 at its start when START leaves a gap.
bool TocSheet::endTrack()
{
    if (!m_track.hasFile)
        return fail(QStringLiteral("track %1 has no FILE").arg(m_tracks.trackCount()));
    if (!m_track.flags.isEmpty())
        m_tracks.setFlags(m_track.flags);
    if (m_track.offset > 0 && !m_tracks.addIndex(0, m_track.start, m_problem))
        return false;
    if (!m_tracks.addIndex(1, m_track.start + m_track.offset, m_problem))
        return false;
    int number = 2;
    for (const qint64 index : m_track.indexes) {
        if (!m_tracks.addIndex(number++, m_track.start + m_track.offset + index, m_problem))
            return false;
    }
    return true;
}
