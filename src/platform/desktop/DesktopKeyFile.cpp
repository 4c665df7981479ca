#include "DesktopKeyFile.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "SavedFile.h"

namespace {
// A line without the CR of a CR LF line end.
QByteArray content(const QByteArray &line) { return line.endsWith('\r') ? line.chopped(1) : line; }

bool isBlank(const QByteArray &line) { return content(line).trimmed().isEmpty(); }

// The group a header line opens; a null string for any other line.
QString headerGroup(const QByteArray &line)
{
    const QByteArray text = content(line).trimmed();
    if (text.size() < 2 || !text.startsWith('[') || !text.endsWith(']'))
        return {};
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

// The key of a "key=value" line, or a null string.
QString lineKey(const QByteArray &line)
{
    const int equals = line.indexOf('=');
    if (equals < 0 || line.startsWith('#'))
        return {};
    return QString::fromUtf8(line.left(equals).trimmed());
}
} // namespace

bool DesktopKeyFile::load(const QString &path)
{
    // O_NONBLOCK: a named pipe in the file's place must not wait for a writer.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (errno != ENOENT)
            return false;
        m_lines = {QByteArray()};
        return true;
    }
    QFile file;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > kMaxBytes ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    const QByteArray bytes = file.read(kMaxBytes + 1);
    if (bytes.size() > kMaxBytes || file.error() != QFileDevice::NoError)
        return false;
    m_lines = bytes.split('\n');
    return true;
}

bool DesktopKeyFile::save(const QString &path) const
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    const QByteArray bytes = text();
    return SavedFile::write(path, bytes);
}

QString DesktopKeyFile::value(const QString &group, const QString &key) const
{
    const int line = keyLine(group, key);
    if (line < 0)
        return {};
    const QByteArray text = content(m_lines.at(line));
    return QString::fromUtf8(text.mid(text.indexOf('=') + 1).trimmed());
}

void DesktopKeyFile::setValue(const QString &group, const QString &key, const QString &value)
{
    const QByteArray line = key.toUtf8() + '=' + value.toUtf8();
    const int existing = keyLine(group, key);
    if (existing >= 0) {
        m_lines[existing] = m_lines.at(existing).endsWith('\r') ? line + '\r' : line;
        return;
    }
    const int header = groupLine(group);
    if (header >= 0) {
        int end = groupEnd(header);
        while (end > header + 1 && ::isBlank(m_lines.at(end - 1)))
            --end;
        m_lines.insert(end, line);
        return;
    }
    if (!m_lines.last().isEmpty())
        m_lines.append(QByteArray()); // end the last line before adding any
    if (!isBlank())
        m_lines.insert(m_lines.size() - 1, QByteArray());
    m_lines.insert(m_lines.size() - 1, '[' + group.toUtf8() + ']');
    m_lines.insert(m_lines.size() - 1, line);
}

void DesktopKeyFile::removeKey(const QString &group, const QString &key)
{
    const int line = keyLine(group, key);
    if (line < 0)
        return;
    m_lines.removeAt(line);
    int header = groupLine(group);
    const int end = groupEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (!::isBlank(m_lines.at(i)))
            return;
    // The blank lines before the header set the group apart; those after it part it from the
    // next one, so they stay.
    m_lines.removeAt(header);
    while (header > 0 && ::isBlank(m_lines.at(header - 1)))
        m_lines.removeAt(--header);
    if (m_lines.isEmpty())
        m_lines = {QByteArray()};
}

bool DesktopKeyFile::isBlank() const
{
    return std::all_of(m_lines.cbegin(), m_lines.cend(),
                       [](const QByteArray &line) { return ::isBlank(line); });
}

int DesktopKeyFile::groupLine(const QString &group) const
{
    for (int i = 0; i < m_lines.size(); ++i)
        if (headerGroup(m_lines.at(i)) == group)
            return i;
    return -1;
}

int DesktopKeyFile::keyLine(const QString &group, const QString &key) const
{
    const int header = groupLine(group);
    if (header < 0)
        return -1;
    const int end = groupEnd(header);
    for (int i = header + 1; i < end; ++i)
        if (lineKey(content(m_lines.at(i))) == key)
            return i;
    return -1;
}

int DesktopKeyFile::groupEnd(int header) const
{
    int end = header + 1;
    while (end < m_lines.size() && headerGroup(m_lines.at(end)).isNull())
        ++end;
    return end;
}
