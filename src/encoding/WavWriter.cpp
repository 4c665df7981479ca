#include "WavWriter.h"

#include <QDataStream>

#include "RaisedError.h"

namespace {
constexpr int kErrorBase = 29600;
constexpr qint64 kRiffSizeOffset = 4;
constexpr qint64 kDataSizeOffset = 42;
constexpr qint64 kHeaderBytes = 46;
constexpr quint32 kFormatChunkBytes = 18;
// The data size placeholder is the format chunk's size: the chunk record is reused for "data".
constexpr quint32 kDataSizePlaceholder = kFormatChunkBytes;
// Both sizes are 32-bit: the RIFF size (38 + data + pad) must still fit.
constexpr qint64 kMaxDataBytes = 0xFFFFFFFFLL - (kHeaderBytes - 8) - 1;

QByteArray waveHeader()
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(0);
    out.writeRawData("WAVEfmt ", 8);
    out << kFormatChunkBytes << quint16(1) /* PCM */ << quint16(2) << quint32(44100)
        << quint32(176400) << quint16(4) << quint16(16) << quint16(0) /* extra format bytes */;
    out.writeRawData("data", 4);
    out << kDataSizePlaceholder;
    return header;
}

bool writeSize(QFile &file, qint64 offset, qint64 value)
{
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint32(value);
    return file.seek(offset) && file.write(bytes) == bytes.size();
}

QString description(int code)
{
    switch (code) {
    case 1: return QStringLiteral("Unable to finalise data chunk; WAV file may not be usable.");
    case 2: return QStringLiteral("Unable to finalise RIFF chunk; WAV file may not be usable.");
    case 3: return QStringLiteral("Unable to open file for writing.");
    case 4: return QStringLiteral("Unable to write the WAV file header.");
    case 5: return QStringLiteral("WAV file not open.");
    case 6:
        return QStringLiteral("Error writing data: bytes written does not match request, WAV file "
                              "may not be usable.");
    default: return {};
    }
}
} // namespace

WavWriter::~WavWriter()
{
    try {
        CloseFile();
    } catch (const RaisedError &) {
    }
}

bool WavWriter::OpenFile(const QString &sFile)
{
    CloseFile();
    m_file.setFileName(sFile);
    if (sFile.isEmpty() || !m_file.open(QIODevice::ReadWrite | QIODevice::Truncate))
        raise(3, QStringLiteral("OpenFile"));
    return WriteWaveFormatHeader();
}

bool WavWriter::WriteWaveFormatHeader()
{
    const QByteArray header = waveHeader();
    // Flushed at once, so that a file that cannot be written fails here and not with the data.
    if (m_file.write(header) != header.size() || !m_file.flush()) {
        m_file.close();
        raise(4, QStringLiteral("WriteWaveFormatHeader"));
    }
    return true;
}

qint64 WavWriter::WriteWavData(const void *lPtrBuff, qint64 lWriteSize)
{
    if (!m_file.isOpen())
        raise(5, QStringLiteral("WriteWavData"));
    // A file past the 32-bit sizes could not be finished; what fits is kept.
    const qint64 fits = qBound<qint64>(0, lWriteSize, kMaxDataBytes - m_dataBytes);
    const qint64 written =
        lPtrBuff && fits > 0 ? m_file.write(static_cast<const char *>(lPtrBuff), fits) : 0;
    m_dataBytes += qMax<qint64>(written, 0);
    if (written != lWriteSize)
        raise(6, QStringLiteral("WriteWavData"));
    return written;
}

void WavWriter::CloseFile()
{
    if (!m_file.isOpen())
        return;
    int pending = 0;
    // RIFF chunks are word-aligned: odd data gets a pad byte that the data size leaves out.
    const qint64 pad = m_dataBytes % 2;
    const bool padded =
        pad == 0 || (m_file.seek(kHeaderBytes + m_dataBytes) && m_file.write("", 1) == 1);
    if (!padded || !writeSize(m_file, kDataSizeOffset, m_dataBytes))
        pending = 1;
    if (!writeSize(m_file, kRiffSizeOffset, kHeaderBytes - 8 + m_dataBytes + pad) ||
        !m_file.flush())
        pending = 2;
    m_file.close();
    m_dataBytes = 0;
    raise(pending, QStringLiteral("CloseFile"));
}

void WavWriter::raise(int code, const QString &operation)
{
    if (code != 0)
        throw RaisedError(kErrorBase + code, RaisedError::sourceFor(operation), description(code));
}
