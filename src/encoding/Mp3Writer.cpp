#include "Mp3Writer.h"

#include <new>

#include "RaisedError.h"
#include "UnnamedFile.h"

namespace {
constexpr int kErrorBase = 29870;
// The encoder needs a few kilobytes; more than this is a caller's mistake, not a need.
constexpr qint64 kMaxBufferBytes = 64 * 1024 * 1024;

QString description(int code)
{
    switch (code) {
    case 1: return QStringLiteral("Unable to allocate output buffer for writing");
    case 2: return QStringLiteral("Unable to open file for writing");
    case 3: return QStringLiteral("Cannot write more data than is available in the buffer");
    case 4: return QStringLiteral("File not open for writing");
    case 5: return QStringLiteral("Failed to write buffer to file");
    default: return {};
    }
}
} // namespace

void Mp3Writer::setFilename(const QString &name)
{
    CloseFile();
    m_filename = name;
    if (!m_buffer)
        AllocateBuffer(m_bufferSize);
    OpenFile(name);
}

void Mp3Writer::setBufferSize(qint64 bytes)
{
    m_buffer.reset();
    m_bufferSize = 0;
    AllocateBuffer(bytes);
    m_bufferSize = bytes;
}

qint64 Mp3Writer::WriteBufferToFile(qint64 n)
{
    const QString operation = QStringLiteral("WriteBufferToFile");
    if (n > m_bufferSize)
        raise(3, operation);
    if (!m_file.isOpen() || !m_buffer)
        raise(4, operation);
    const qint64 written =
        n < 0 ? -1 : m_file.write(reinterpret_cast<const char *>(m_buffer.get()), n);
    if (written != n)
        raise(5, operation);
    return written;
}

void Mp3Writer::CloseFile() { m_file.close(); }

void Mp3Writer::OpenFile(const QString &name)
{
    m_file.setFileName(name);
    // Never over an existing file, unless it is an unnamed output made for this one.
    const QIODevice::OpenMode mode =
        UnnamedFile::isOpenUnnamed(name) ? QIODevice::Truncate : QIODevice::NewOnly;
    // Unbuffered, so that a full disk shows in WriteBufferToFile instead of being lost at close.
    if (name.isEmpty() || !m_file.open(QIODevice::ReadWrite | QIODevice::Unbuffered | mode))
        raise(2, QStringLiteral("OpenFile"));
}

void Mp3Writer::AllocateBuffer(qint64 size)
{
    if (size > 0 && size <= kMaxBufferBytes)
        m_buffer.reset(new (std::nothrow) unsigned char[std::size_t(size)]());
    if (!m_buffer)
        raise(1, QStringLiteral("AllocateBuffer"));
}

void Mp3Writer::raise(int code, const QString &operation)
{
    throw RaisedError(kErrorBase + code, RaisedError::sourceFor(operation), description(code));
}
