#include "CueSheet.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
constexpr qint64 kSectorBytes = 2352;
// A sheet is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxSheetBytes = 1 << 20;

// "mm:ss:ff" in sectors of 1/75 second; -1 when it is not one.
qint64 sectors(const QByteArray &text)
{
    const QList<QByteArray> parts = text.split(':');
    if (parts.size() != 3)
        return -1;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || parts[i].size() > 3 || values[i] < 0)
            return -1;
    }
    if (values[1] >= 60 || values[2] >= 75)
        return -1;
    return (qint64(values[0]) * 60 + values[1]) * 75 + values[2];
}

QByteArray msf(qint64 sectors)
{
    const auto two = [](qint64 value) { return QByteArray::number(value).rightJustified(2, '0'); };
    return two(sectors / 4500) + ':' + two(sectors / 75 % 60) + ':' + two(sectors % 75);
}

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
    QFile file(cuePath);
    const QFileInfo info(cuePath);
    if (!info.isFile() || info.size() > kMaxSheetBytes || !file.open(QIODevice::ReadOnly))
        return false;
    const QString folder = info.absolutePath();
    QByteArray content = file.readAll();
    if (content.startsWith("\xEF\xBB\xBF")) // a UTF-8 byte-order mark
        content.remove(0, 3);
    for (const QByteArray &line : content.split('\n')) {
        const QList<QByteArray> lineWords = words(line);
        if (!line.trimmed().isEmpty() && !parseLine(lineWords, folder)) {
            *this = CueSheet();
            return false;
        }
    }
    if (!complete()) {
        *this = CueSheet();
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
        if (!m_binPath.isEmpty() || words.size() != 3 || words[2].toUpper() != "BINARY" ||
            words[1].isEmpty())
            return false;
        const QFileInfo bin(QDir(folder).filePath(QFile::decodeName(words[1])));
        // A regular file only: a FIFO or a device would block the image library's reads.
        if (!bin.isFile() || bin.size() < kSectorBytes)
            return false;
        m_binPath = bin.absoluteFilePath();
        m_binSectors = bin.size() / kSectorBytes;
        return true;
    }
    if (keyword == "TRACK")
        return addTrack(words);
    if (keyword == "INDEX")
        return addIndex(words);
    if (m_tracks.isEmpty())
        return false;
    if (keyword == "FLAGS") {
        for (const QByteArray &flag : words.mid(1)) {
            if (flag != "DCP" && flag != "4CH" && flag != "PRE" && flag != "SCMS")
                return false;
        }
        m_tracks.last().flags = words.mid(1).join(' ');
        return true;
    }
    if (keyword == "PREGAP" && words.size() == 2 && m_tracks.last().indexes.isEmpty()) {
        m_tracks.last().pregap = sectors(words[1]);
        return m_tracks.last().pregap >= 0;
    }
    return false;
}

bool CueSheet::addTrack(const QList<QByteArray> &words)
{
    if (m_binPath.isEmpty() || words.size() != 3 || m_tracks.size() >= 99)
        return false;
    bool ok = false;
    const int number = words[1].toInt(&ok);
    const int expected = m_tracks.isEmpty() ? 1 : m_tracks.last().number + 1;
    const QByteArray mode = words[2].toUpper();
    if (!ok || number != expected ||
        (mode != "AUDIO" && mode != "MODE1/2352" && mode != "MODE2/2352"))
        return false;
    Track track;
    track.number = number;
    track.mode = mode;
    m_tracks << track;
    return true;
}

bool CueSheet::addIndex(const QList<QByteArray> &words)
{
    if (m_tracks.isEmpty() || words.size() != 3)
        return false;
    bool ok = false;
    const int number = words[1].toInt(&ok);
    const qint64 at = sectors(words[2]);
    Track &track = m_tracks.last();
    const int previousNumber = track.indexes.isEmpty() ? -1 : track.indexes.last().first;
    qint64 previousAt = -1;
    for (const Track &earlier : m_tracks) {
        if (!earlier.indexes.isEmpty())
            previousAt = earlier.indexes.last().second;
    }
    if (!ok || number < 0 || number > 99 || number <= previousNumber || at < 0 ||
        at <= previousAt || at >= m_binSectors)
        return false;
    track.indexes << QPair<int, qint64>(number, at);
    return true;
}

bool CueSheet::complete() const
{
    if (m_tracks.isEmpty())
        return false;
    for (const Track &track : m_tracks) {
        const bool hasStart = std::any_of(track.indexes.begin(), track.indexes.end(),
                                          [](const auto &index) { return index.first == 1; });
        if (!hasStart)
            return false;
    }
    return true;
}

QByteArray CueSheet::text(const QByteArray &binName) const
{
    QByteArray sheet = "FILE \"" + binName + "\" BINARY\n";
    for (const Track &track : m_tracks) {
        sheet += "  TRACK " + QByteArray::number(track.number).rightJustified(2, '0') + ' ' +
                 track.mode + '\n';
        if (!track.flags.isEmpty())
            sheet += "    FLAGS " + track.flags + '\n';
        if (track.pregap >= 0)
            sheet += "    PREGAP " + msf(track.pregap) + '\n';
        for (const auto &[number, at] : track.indexes)
            sheet += "    INDEX " + QByteArray::number(number).rightJustified(2, '0') + ' ' +
                     msf(at) + '\n';
    }
    return sheet;
}
