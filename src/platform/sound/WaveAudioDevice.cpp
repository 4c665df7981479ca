#include "WaveAudioDevice.h"

#include <optional>

#include <QDir>
#include <QFile>
#include <QtEndian>

#include "FileNameCodec.h"
#include "SoundErrors.h"

namespace {
using Verb = SoundCommand::Verb;
using StatusItem = SoundCommand::StatusItem;

constexpr qint64 kCopyBytes = 1 << 20;

void put16(QByteArray &bytes, quint16 value)
{
    char raw[2];
    qToLittleEndian(value, raw);
    bytes.append(raw, 2);
}

void put32(QByteArray &bytes, quint32 value)
{
    char raw[4];
    qToLittleEndian(value, raw);
    bytes.append(raw, 4);
}

// The 44-byte header of a PCM WAV file holding dataBytes of audio.
QByteArray wavHeader(quint32 dataBytes, int sampleRate, int channels, int bitsPerSample)
{
    const int blockAlign = channels * bitsPerSample / 8;
    QByteArray header("RIFF");
    put32(header, 36 + dataBytes);
    header.append("WAVEfmt ");
    put32(header, 16);
    put16(header, 1); // PCM
    put16(header, quint16(channels));
    put32(header, quint32(sampleRate));
    put32(header, quint32(sampleRate * blockAlign));
    put16(header, quint16(blockAlign));
    put16(header, quint16(bitsPerSample));
    header.append("data");
    put32(header, dataBytes);
    return header;
}

bool copyInto(QFile &from, QIODevice &to)
{
    if (!from.open(QIODevice::ReadOnly))
        return false;
    while (!from.atEnd()) {
        const QByteArray piece = from.read(kCopyBytes);
        if (piece.isEmpty() || to.write(piece) != piece.size())
            return false;
    }
    return true;
}
} // namespace

quint32 WaveAudioDevice::execute(const SoundCommand &command, QByteArray &reply)
{
    switch (command.verb) {
    case Verb::Set: return set(command);
    case Verb::Status: return status(command, reply);
    case Verb::Record: return record();
    case Verb::Save: return save(command.fileName);
    case Verb::Stop:
    case Verb::Pause: stop(); return SoundErrors::None;
    default: return SoundErrors::UnsupportedFunction;
    }
}

quint32 WaveAudioDevice::set(const SoundCommand &command)
{
    if (command.doorOpen)
        return SoundErrors::UnsupportedFunction;
    if (command.timeFormat) {
        if (*command.timeFormat == TimeFormat::Msf || *command.timeFormat == TimeFormat::Tmsf)
            return SoundErrors::BadTimeFormat;
        m_format = *command.timeFormat;
    }
    const bool formatChange = command.samplesPerSecond || command.channels || command.bitsPerSample;
    if (!formatChange)
        return SoundErrors::None;
    const qint64 rate = command.samplesPerSecond.value_or(m_sampleRate);
    const qint64 channels = command.channels.value_or(m_channels);
    const qint64 bits = command.bitsPerSample.value_or(m_bitsPerSample);
    if (rate < 1000 || rate > 192000 || channels < 1 || channels > 2 || (bits != 8 && bits != 16))
        return SoundErrors::OutOfRange;
    // Audio already recorded would no longer match its header.
    if (recordedBytes() > 0)
        return SoundErrors::UnsupportedFunction;
    m_sampleRate = int(rate);
    m_channels = int(channels);
    m_bitsPerSample = int(bits);
    return SoundErrors::None;
}

quint32 WaveAudioDevice::status(const SoundCommand &command, QByteArray &reply)
{
    switch (command.item) {
    case StatusItem::Mode:
        reply = m_capture.running() ? "recording" : "stopped";
        return SoundErrors::None;
    case StatusItem::Ready: reply = "true"; return SoundErrors::None;
    case StatusItem::Length:
    case StatusItem::Position:
        if (command.track)
            return SoundErrors::OutOfRange;
        reply = lengthText();
        return SoundErrors::None;
    case StatusItem::TimeFormat:
        reply = m_format == TimeFormat::Bytes     ? "bytes"
                : m_format == TimeFormat::Samples ? "samples"
                                                  : "milliseconds";
        return SoundErrors::None;
    default: return SoundErrors::UnsupportedFunction;
    }
}

qint64 WaveAudioDevice::recordedBytes() const
{
    return m_earlierBytes + (m_capture.running() ? m_capture.bytes() : 0);
}

QByteArray WaveAudioDevice::lengthText() const
{
    const qint64 bytes = recordedBytes();
    switch (m_format) {
    case TimeFormat::Bytes: return QByteArray::number(bytes);
    case TimeFormat::Samples: return QByteArray::number(bytes / blockAlign());
    default: return QByteArray::number(bytes * 1000 / (qint64(m_sampleRate) * blockAlign()));
    }
}

quint32 WaveAudioDevice::record()
{
    if (m_capture.running())
        return SoundErrors::None;
    if (!m_data)
        m_data = std::make_unique<UnnamedFile>(QDir::tempPath(), UnnamedFile::Use::Scratch);
    if (!m_data->isOpen()) {
        m_data.reset();
        return SoundErrors::FileNotSaved;
    }
    if (!m_capture.start(m_data->path(), m_sampleRate, m_channels, m_bitsPerSample))
        return SoundErrors::NoInputDevice;
    return SoundErrors::None;
}

void WaveAudioDevice::stop()
{
    if (!m_capture.running())
        return;
    m_capture.stop();
    m_earlierBytes += m_capture.bytes();
}

// Written unnamed beside its destination and linked into place whole, so an earlier file of that
// name stays as it was unless the new one is complete. An unnamed file its maker opened is
// filled in place.
quint32 WaveAudioDevice::save(const QByteArray &fileName)
{
    if (fileName.isEmpty())
        return SoundErrors::FileNameRequired;
    stop();
    const qint64 bytes = m_earlierBytes;
    if (bytes > qint64(UINT32_MAX) - 36)
        return SoundErrors::FileNotSaved;
    const QString name = FileNameCodec::decode(fileName);
    std::optional<UnnamedFile> part;
    if (!UnnamedFile::isOpenUnnamed(name))
        part.emplace(name);
    QFile data(m_data ? m_data->path() : QString());
    QFile out(part ? part->path() : name);
    const bool saved =
        out.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
        out.write(wavHeader(quint32(bytes), m_sampleRate, m_channels, m_bitsPerSample)) == 44 &&
        (bytes == 0 || copyInto(data, out)) && out.flush() && (!part || part->linkAs(true));
    return saved ? SoundErrors::None : SoundErrors::FileNotSaved;
}
