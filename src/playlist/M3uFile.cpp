#include "M3uFile.h"

#include <QFile>

#include "SavedFile.h"

namespace {
QByteArray withoutTrailingBlanks(QByteArray line)
{
    // CR belongs to the CR LF line end; blanks and tabs are what line editors leave behind.
    qsizetype end = line.size();
    while (end > 0 && (line[end - 1] == ' ' || line[end - 1] == '\r' || line[end - 1] == '\t'))
        --end;
    line.truncate(end);
    return line;
}
// One line without its LF; the rest of an over-long line is read past and dropped.
QByteArray readLineCapped(QFile &file)
{
    QByteArray line = file.readLine(M3uFile::kMaxLineBytes);
    if (line.endsWith('\n')) {
        line.chop(1);
        return line;
    }
    for (QByteArray rest = line; !rest.isEmpty() && !rest.endsWith('\n');)
        rest = file.readLine(M3uFile::kMaxLineBytes);
    return line;
}
} // namespace

bool M3uFile::OpenPlaylist(const QString &fileName, QStringList &list)
{
    if (fileName.isEmpty())
        return false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (int entries = 0; entries < kMaxEntries && !file.atEnd(); ++entries)
        list.append(QFile::decodeName(withoutTrailingBlanks(readLineCapped(file))));
    return true;
}

bool M3uFile::SavePlaylist(const QString &fileName, const QStringList &list)
{
    QByteArray text;
    for (const QString &path : list)
        text += QFile::encodeName(path) + "\r\n";
    return SavedFile::write(fileName, text);
}
