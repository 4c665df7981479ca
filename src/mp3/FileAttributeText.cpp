#include "FileAttributeText.h"

#include <sys/stat.h>

#include "FileNameCodec.h"
#include "RegularFile.h"

namespace {
bool isReadOnly(const QString &path)
{
    struct stat info {};
    return ::stat(FileNameCodec::encode(path).constData(), &info) == 0 && !(info.st_mode & S_IWUSR);
}
} // namespace

QString FileAttributeText::read(const QString &path)
{
    if (!RegularFile::exists(path))
        return QStringLiteral("-1");
    QString text;
    if (isReadOnly(path))
        text += QLatin1Char('R');
    if (path.section(QLatin1Char('/'), -1).startsWith(QLatin1Char('.')))
        text += QLatin1Char('H');
    return text.isEmpty() ? QStringLiteral("Normal") : text;
}

void FileAttributeText::write(const QString &path, const QString &text)
{
    if (!RegularFile::exists(path))
        return;
    const bool normal = text.compare(QLatin1String("NORMAL"), Qt::CaseInsensitive) == 0;
    bool readOnly = !normal && text.contains(QLatin1Char('R'));
    if (!normal && text.contains(QLatin1Char('r')))
        readOnly = readOnly || isReadOnly(path);
    struct stat info {};
    const QByteArray name = FileNameCodec::encode(path);
    if (::stat(name.constData(), &info) != 0)
        return;
    const mode_t mode = readOnly ? (info.st_mode & ~S_IWUSR) : (info.st_mode | S_IWUSR);
    if (mode != info.st_mode)
        ::chmod(name.constData(), mode & 07777);
}
