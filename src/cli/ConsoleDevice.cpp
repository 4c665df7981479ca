#include "ConsoleDevice.h"

#include <cerrno>
#include <cstring>

#include <unistd.h>

#include <QString>
#include <QTextStream>

#include "FileNameCodec.h"

ConsoleDevice::ConsoleDevice(int fd) : m_fd(fd) {}

void ConsoleDevice::attach(QTextStream &stream)
{
    open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    stream.setDevice(this);
    stream.setEncoding(QStringConverter::Utf16);
    stream.setGenerateByteOrderMark(false);
}

qint64 ConsoleDevice::writeData(const char *data, qint64 size)
{
    m_pending.append(data, size);
    QString text(m_pending.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), m_pending.constData(), size_t(text.size()) * 2);
    qsizetype used = text.size() * 2;
    if (!text.isEmpty() && text.back().isHighSurrogate()) {
        text.chop(1);
        used -= 2;
    }
    m_pending.remove(0, used);
    const QByteArray bytes = FileNameCodec::encode(text);
    for (qsizetype done = 0; done < bytes.size();) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return -1;
        done += n;
    }
    return size;
}
