#include "WavReader.h"

#include <array>
#include <cstring>
#include <new>

#include <QtEndian>

#include "RegularFile.h"

namespace {
// Bigger formats (extensible, compressed) are read only as far as the PCM fields go.
constexpr qint64 kFormatArea = 50;
// A buffer this large is a caller's mistake, not a need.
constexpr qint64 kMaxBufferBytes = 64 * 1024 * 1024;

qint64 paddedEnd(qint64 body, quint32 size) { return body + size + (size & 1); }

// Walks chunk headers from the current position to the first chunk called id that starts
// before end; leaves the file at its body. Chunks are word-aligned, so odd sizes skip a pad byte.
bool descend(QFile &file, const char *id, qint64 end, qint64 &body, quint32 &size)
{
    for (;;) {
        const qint64 at = file.pos();
        std::array<char, 8> header{};
        if (at + 8 > end || file.read(header.data(), 8) != 8)
            return false;
        size = qFromLittleEndian<quint32>(header.data() + 4);
        body = at + 8;
        if (std::memcmp(header.data(), id, 4) == 0)
            return true;
        if (!file.seek(paddedEnd(body, size)))
            return false;
    }
}

bool descendIntoWave(QFile &file, qint64 end)
{
    qint64 body = 0;
    quint32 size = 0;
    while (descend(file, "RIFF", end, body, size)) {
        std::array<char, 4> form{};
        if (file.read(form.data(), 4) == 4 && std::memcmp(form.data(), "WAVE", 4) == 0)
            return true;
        if (!file.seek(paddedEnd(body, size)))
            return false;
    }
    return false;
}
} // namespace

void WavReader::setFilename(const QString &name)
{
    if (OpenFile(name))
        m_filename = name;
}

bool WavReader::OpenFile(const QString &name)
{
    CloseFile();
    m_problem = QStringLiteral("a file that cannot be opened");
    if (name.isEmpty())
        return false;
    // By the name's own bytes, and never a pipe or a device, whose reads could block.
    RegularFile input(name);
    if (!input.isOpen() ||
        !m_file.open(input.release(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return false;
    // Sub-chunks are searched to the end of the file rather than of the RIFF chunk: a file whose
    // writer never finished it still says 0 there.
    const qint64 fileEnd = m_file.size();
    qint64 body = 0;
    quint32 size = 0;
    bool ok = descendIntoWave(m_file, fileEnd);
    m_problem = ok ? QString() : QStringLiteral("not a RIFF/WAVE file");
    ok = ok && readFormat(fileEnd);
    if (ok && !descend(m_file, "data", fileEnd, body, size)) {
        m_problem = QStringLiteral("a WAV file without a data chunk");
        ok = false;
    }
    if (ok) {
        m_dataStart = body;
        // A truncated file, or one whose size field was never filled in, holds less than it says.
        m_dataLength = qMin<qint64>(size, fileEnd - body);
        try {
            m_buffer.assign(std::size_t(m_bufferBytes / 2), 0);
        } catch (const std::bad_alloc &) {
            m_problem = QStringLiteral("a file too big for the memory left");
            ok = false;
        }
    }
    if (!ok)
        CloseFile();
    return ok;
}

bool WavReader::readFormat(qint64 fileEnd)
{
    qint64 body = 0;
    quint32 size = 0;
    m_problem = QStringLiteral("a WAV file without a format chunk");
    if (!descend(m_file, "fmt ", fileEnd, body, size))
        return false;
    // A 16-byte chunk (no extra-size field) leaves the rest of the area zero.
    std::array<char, kFormatArea> area{};
    const qint64 wanted = qMin<qint64>(size, kFormatArea);
    if (m_file.read(area.data(), wanted) != wanted || !m_file.seek(paddedEnd(body, size)))
        return false;
    const quint16 channels = qFromLittleEndian<quint16>(area.data() + 2);
    const quint16 bitsPerSample = qFromLittleEndian<quint16>(area.data() + 14);
    m_sampleRate = qFromLittleEndian<quint32>(area.data() + 4);
    const QString layout = channels == 1   ? QStringLiteral("mono")
                           : channels == 2 ? QStringLiteral("stereo")
                                           : QStringLiteral("%1 channels").arg(channels);
    m_problem = QStringLiteral("%1-bit %2").arg(bitsPerSample).arg(layout);
    const bool ok = channels == 2 && bitsPerSample == 16;
    if (ok)
        m_problem.clear();
    return ok;
}

void WavReader::CloseFile()
{
    m_file.close();
    m_buffer = {};
    m_sampleRate = 0;
    m_readBytes = 0;
    m_dataStart = 0;
    m_dataLength = 0;
}

bool WavReader::Read()
{
    if (!m_file.isOpen())
        return false;
    const qint64 remaining = m_dataStart + m_dataLength - m_file.pos();
    char *buffer = reinterpret_cast<char *>(m_buffer.data());
    if (m_bufferBytes >= remaining) {
        if (remaining > 0)
            m_readBytes = qMax<qint64>(m_file.read(buffer, remaining), 0);
        return false;
    }
    m_readBytes = qMax<qint64>(m_file.read(buffer, m_bufferBytes), 0);
    // A failing disk ends the data here rather than repeating the same read for ever.
    return m_readBytes == m_bufferBytes;
}

void WavReader::setReadBufferSize(qint64 frames)
{
    if (!m_file.isOpen() && frames >= 1 && frames <= kMaxBufferBytes / kFrameBytes)
        m_bufferBytes = frames * kFrameBytes;
}
