#include "M3uFile.h"

#include <fcntl.h>

#include <QFile>

#include "FileNameCodec.h"
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
    // Opened by the name's own bytes: QFile(fileName) would open Qt's re-encoding of it.
    const int fd = ::open(FileNameCodec::encode(fileName).constData(), O_RDONLY | O_CLOEXEC);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    for (int entries = 0; entries < kMaxEntries && !file.atEnd(); ++entries)
        list.append(FileNameCodec::decode(withoutTrailingBlanks(readLineCapped(file))));
    return true;
}

QString M3uFile::unstorable(const QStringList &list)
{
    for (const QString &path : list)
        if (path.contains(QLatin1Char('\n')) || path.contains(QLatin1Char('\r')))
            return path;
    return {};
}

bool M3uFile::SavePlaylist(const QString &fileName, const QStringList &list)
{
    if (!unstorable(list).isEmpty())
        return false;
    QByteArray text;
    for (const QString &path : list)
        text += FileNameCodec::encode(path) + "\r\n";
    return SavedFile::write(fileName, text);
}
