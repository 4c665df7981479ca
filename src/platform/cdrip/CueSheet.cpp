#include "CueSheet.h"

namespace {
QList<QByteArray> words(const QByteArray &line)
{
    QList<QByteArray> result;
    const QByteArray text = line.trimmed();
    for (qsizetype i = 0; i < text.size();) {
        if (text[i] == ' ' || text[i] == '\t') {
            ++i;
        } else if (text[i] == '"') {
            const qsizetype close = text.indexOf('"', i + 1);
            if (close < 0)
                return {}; // an open quote: not a sheet line
            result << text.mid(i + 1, close - i - 1);
            i = close + 1;
        } else {
            qsizetype end = i;
            while (end < text.size() && text[end] != ' ' && text[end] != '\t')
                ++end;
            result << text.mid(i, end - i);
            i = end;
        }
    }
    return result;
}

bool isRemark(const QByteArray &keyword)
{
    for (const char *remark :
         {"REM", "TITLE", "PERFORMER", "SONGWRITER", "CATALOG", "ISRC", "CDTEXTFILE", "POSTGAP"}) {
        if (keyword == remark)
            return true;
    }
    return false;
}
} // namespace

bool CueSheet::read(const QString &cuePath)
{
    *this = CueSheet();
    QByteArray content;
    QString folder;
    if (!SheetTracks::readSheet(cuePath, content, folder)) {
        m_problem = QStringLiteral("not a CUE sheet that can be read");
        return false;
    }
    if (content.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        content.remove(0, 3);
    int number = 0;
    for (const QByteArray &line : content.split('\n')) {
        ++number;
        if (!line.trimmed().isEmpty() && !parseLine(words(line), folder)) {
            const QString reason =
                m_problem.isEmpty() ? QStringLiteral("not understood") : m_problem;
            *this = CueSheet();
            m_problem = QStringLiteral("line %1: %2").arg(number).arg(reason);
            return false;
        }
    }
    QString reason;
    if (!m_tracks.complete(reason)) {
        *this = CueSheet();
        m_problem = reason;
        return false;
    }
    return true;
}

bool CueSheet::parseLine(const QList<QByteArray> &words, const QString &folder)
{
    if (words.isEmpty())
        return false;
    const QByteArray keyword = words[0].toUpper();
    if (isRemark(keyword))
        return true;
    if (keyword == "FILE") {
        if (words.size() != 3 || words[2].toUpper() != "BINARY")
            return false;
        return m_tracks.setBin(folder, words[1], m_problem);
    }
    if (keyword == "TRACK") {
        bool ok = false;
        const int number = words.size() == 3 ? words[1].toInt(&ok) : 0;
        return ok && m_tracks.addTrack(number, words[2].toUpper(), m_problem);
    }
    if (keyword == "INDEX") {
        bool ok = false;
        const int number = words.size() == 3 ? words[1].toInt(&ok) : 0;
        const qint64 at = ok ? SheetTracks::sectors(words[2]) : -1;
        return at >= 0 && m_tracks.addIndex(number, at, m_problem);
    }
    if (m_tracks.isEmpty())
        return false;
    if (keyword == "FLAGS") {
        for (const QByteArray &flag : words.mid(1)) {
            if (flag != "DCP" && flag != "4CH" && flag != "PRE" && flag != "SCMS")
                return false;
        }
        m_tracks.setFlags(words.mid(1).join(' '));
        return true;
    }
    if (keyword == "PREGAP" && words.size() == 2) {
        const qint64 gap = SheetTracks::sectors(words[1]);
        return gap >= 0 && m_tracks.setPregap(gap, m_problem);
    }
    return false;
}
