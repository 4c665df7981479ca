#include "SheetTracks.h"

#include <algorithm>

#include "FileEntry.h"
#include "FileNameCodec.h"
#include "RegularFile.h"

namespace {
// A sheet is a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxSheetBytes = 1 << 20;

QByteArray msf(qint64 sectors)
{
    const auto two = [](qint64 value) { return QByteArray::number(value).rightJustified(2, '0'); };
    return two(sectors / 4500) + ':' + two(sectors / 75 % 60) + ':' + two(sectors % 75);
}

QByteArray twoDigits(int number) { return QByteArray::number(number).rightJustified(2, '0'); }
} // namespace

qint64 SheetTracks::sectors(const QByteArray &text)
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

bool SheetTracks::readSheet(const QString &path, QByteArray &content, QString &folder)
{
    const RegularFile file(path);
    if (!file.isOpen() || file.size() > kMaxSheetBytes)
        return false;
    content = file.readAt(0, int(file.size()));
    const QString absolute = FileEntry::absolute(path);
    folder = absolute.left(qMax<qsizetype>(absolute.lastIndexOf(QLatin1Char('/')), 1));
    return true;
}

QString SheetTracks::pathIn(const QString &folder, const QByteArray &name)
{
    const QString file = FileNameCodec::decode(name);
    return FileEntry::absolute(
        file.startsWith(QLatin1Char('/')) ? file : folder + QLatin1Char('/') + file);
}

bool SheetTracks::setBin(const QString &folder, const QByteArray &name, QString &problem)
{
    const QString bin = pathIn(folder, name);
    const QString named = QStringLiteral("BIN file ") + FileNameCodec::display(bin);
    const FileEntry::Kind kind = FileEntry::kind(bin);
    const qint64 size = RegularFile::sizeOf(bin);
    if (!m_binPath.isEmpty())
        problem = QStringLiteral("more than one BIN file");
    else if (name.isEmpty())
        problem = QStringLiteral("a BIN file without a name");
    else if (kind == FileEntry::Kind::Missing)
        problem = named + QStringLiteral(" not found");
    else if (kind == FileEntry::Kind::Folder)
        problem = named + QStringLiteral(" is a folder");
    else if (kind != FileEntry::Kind::File)
        problem = named + QStringLiteral(" is not a regular file");
    else if (size < kSectorBytes)
        problem = named + QStringLiteral(" is shorter than one sector");
    if (!problem.isEmpty())
        return false;
    m_binPath = bin;
    m_binSectors = size / kSectorBytes;
    return true;
}

bool SheetTracks::addTrack(int number, const QByteArray &mode, QString &problem)
{
    const int expected = m_tracks.isEmpty() ? 1 : m_tracks.last().number + 1;
    if (m_tracks.size() >= 99)
        problem = QStringLiteral("more than 99 tracks");
    else if (number != expected)
        problem = QStringLiteral("track %1 where track %2 belongs").arg(number).arg(expected);
    else if (mode != "AUDIO" && mode != "MODE1/2352" && mode != "MODE2/2352")
        problem = QStringLiteral("track %1 has the unknown mode %2")
                      .arg(number)
                      .arg(QString::fromLatin1(mode));
    if (!problem.isEmpty())
        return false;
    Track track;
    track.number = number;
    track.mode = mode;
    m_tracks << track;
    return true;
}

bool SheetTracks::setPregap(qint64 sectors, QString &problem)
{
    if (m_tracks.isEmpty() || !m_tracks.last().indexes.isEmpty() || sectors < 0) {
        problem = QStringLiteral("a pregap that is not the start of a track");
        return false;
    }
    m_tracks.last().pregap = sectors;
    return true;
}

bool SheetTracks::addIndex(int number, qint64 at, QString &problem)
{
    if (m_tracks.isEmpty() || m_binPath.isEmpty()) {
        problem = QStringLiteral("an index before the first track or the BIN file");
        return false;
    }
    Track &track = m_tracks.last();
    const int previousNumber = track.indexes.isEmpty() ? -1 : track.indexes.last().first;
    qint64 previousAt = -1;
    for (const Track &earlier : m_tracks) {
        if (!earlier.indexes.isEmpty())
            previousAt = earlier.indexes.last().second;
    }
    const QString where = QStringLiteral("track %1: index %2 ").arg(track.number).arg(number);
    if (number < 0 || number > 99 || number <= previousNumber)
        problem = where + QStringLiteral("is out of order");
    else if (at < 0 || at <= previousAt)
        problem = where + QStringLiteral("does not start after the one before it");
    else if (at >= m_binSectors)
        problem = where + QStringLiteral("starts past the end of the BIN file");
    if (!problem.isEmpty())
        return false;
    track.indexes << QPair<int, qint64>(number, at);
    return true;
}

bool SheetTracks::complete(QString &problem) const
{
    if (m_tracks.isEmpty()) {
        problem = QStringLiteral("no tracks");
        return false;
    }
    for (const Track &track : m_tracks) {
        const bool hasStart = std::any_of(track.indexes.begin(), track.indexes.end(),
                                          [](const auto &index) { return index.first == 1; });
        if (!hasStart) {
            problem = QStringLiteral("track %1 has no start (INDEX 01)").arg(track.number);
            return false;
        }
    }
    return true;
}

QByteArray SheetTracks::cueText(const QByteArray &binName) const
{
    QByteArray sheet = "FILE \"" + binName + "\" BINARY\n";
    for (const Track &track : m_tracks) {
        sheet += "  TRACK " + twoDigits(track.number) + ' ' + track.mode + '\n';
        if (!track.flags.isEmpty())
            sheet += "    FLAGS " + track.flags + '\n';
        if (track.pregap >= 0)
            sheet += "    PREGAP " + msf(track.pregap) + '\n';
        for (const auto &[number, at] : track.indexes)
            sheet += "    INDEX " + twoDigits(number) + ' ' + msf(at) + '\n';
    }
    return sheet;
}
