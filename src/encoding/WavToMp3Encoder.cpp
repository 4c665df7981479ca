#include "WavToMp3Encoder.h"

#include <QFile>
#include <QtEndian>

#include "FileNameCodec.h"
#include "Mp3Writer.h"
#include "RaisedError.h"
#include "RegularFile.h"
#include "UnnamedFile.h"
#include "WavReader.h"

namespace {
constexpr int kErrorBase = 29770;
constexpr int kNotInitialised = 1;

QString description(BE_ERR code)
{
    switch (code) {
    case BE_ERR_INVALID_FORMAT: return QStringLiteral("Invalid Format");
    case BE_ERR_INVALID_FORMAT_PARAMETERS: return QStringLiteral("Invalid Format Parameters");
    case BE_ERR_NO_MORE_HANDLES: return QStringLiteral("Out of LAME handles");
    case BE_ERR_INVALID_HANDLE: return QStringLiteral("LAME handle is invalid");
    case BE_ERR_BUFFER_TOO_SMALL: return QStringLiteral("Buffer is too small");
    default: return {};
    }
}

void checkLame(BE_ERR result, const QString &operation)
{
    if (result != BE_ERR_SUCCESSFUL)
        throw RaisedError(kErrorBase + int(result), RaisedError::sourceFor(operation),
                          description(result));
}

// As a directory listing sees it: a file, not a folder.
bool fileExists(const QString &path) { return !path.isEmpty() && RegularFile::exists(path); }
} // namespace

WavToMp3Encoder::WavToMp3Encoder(QObject *parent) : QObject(parent)
{
    namespace C = BeConfig;
    setField(C::Kind, C::KindLame);
    setField(C::StructVersion, 1);
    setField(C::StructSize, C::Size);
    setField(C::SampleRate, 44100);
    setField(C::Mode, C::ModeJointStereo);
    setField(C::Bitrate, 128);
    setField(C::Preset, C::PresetR3mix);
    setField(C::MpegVersion, 1);
    setField(C::Original, 1);
    setField(C::WriteVbrHeader, 1);
    setField(C::NoReservoir, 1);
}

WavToMp3Encoder::~WavToMp3Encoder()
{
    try {
        lameClose();
    } catch (const RaisedError &) {
    }
}

void WavToMp3Encoder::setWavFile(const QString &path)
{
    if (fileExists(path))
        m_wavFile = path;
}

void WavToMp3Encoder::setMp3File(const QString &path)
{
    if (!fileExists(path) || UnnamedFile::isOpenUnnamed(path))
        m_mp3File = path;
}

void WavToMp3Encoder::setField(int offset, int value)
{
    qToLittleEndian<qint32>(value, m_config.data() + offset);
}

void WavToMp3Encoder::Encode()
{
    adoptWavSampleRate();
    lameInit();
    if (!m_stream)
        throw RaisedError(kErrorBase + kNotInitialised,
                          RaisedError::sourceFor(QStringLiteral("lameConvert")),
                          QStringLiteral("Lame engine not initialised"));
    try {
        convert();
    } catch (const RaisedError &error) {
        try {
            lameClose();
        } catch (const RaisedError &) {
        }
        throw RaisedError(error.number(), RaisedError::sourceFor(QStringLiteral("lameConvert")),
                          error.description());
    }
    lameClose();
}

// The stream must run at the recording's own rate, or a 48000 Hz recording plays fast.
void WavToMp3Encoder::adoptWavSampleRate()
{
    WavReader probe;
    if (probe.OpenFile(m_wavFile))
        setField(BeConfig::SampleRate, int(probe.SampleRate()));
}

void WavToMp3Encoder::lameInit()
{
    lameClose();
    const BE_ERR result = beInitStream(m_config.data(), &m_samples, &m_bufferSize, &m_stream);
    if (result != BE_ERR_SUCCESSFUL)
        m_samples = m_bufferSize = m_stream = 0;
    checkLame(result, QStringLiteral("lameInit"));
}

void WavToMp3Encoder::lameClose()
{
    if (!m_stream)
        return;
    const BE_ERR result = beCloseStream(m_stream);
    m_samples = m_bufferSize = m_stream = 0;
    checkLame(result, QStringLiteral("lameClose"));
}

void WavToMp3Encoder::convert()
{
    const QString operation = QStringLiteral("lameConvert");
    WavReader reader;
    reader.setReadBufferSize(m_samples / 2);
    reader.setFilename(m_wavFile);
    if (reader.Filename().isEmpty())
        checkLame(BE_ERR_INVALID_FORMAT, operation); // missing, or not 16-bit stereo
    Mp3Writer writer;
    writer.setBufferSize(m_bufferSize);
    writer.setFilename(m_mp3File);

    const qint64 total = reader.AudioLength() * 2;
    qint64 done = 0;
    bool cancel = false;
    // The read that reaches the end returns false but still holds the last, partial chunk.
    for (bool more = true; more && !cancel;) {
        more = reader.Read();
        const auto samples = std::uint32_t(reader.ReadSize() * 2);
        if (samples == 0)
            break;
        std::uint32_t bytes = 0;
        checkLame(beEncodeChunk(m_stream, samples, reader.ReadBufferPtr(), writer.BufferPointer(),
                                &bytes),
                  operation);
        writer.WriteBufferToFile(bytes);
        done += samples;
        emit Progress(done, total, cancel);
    }
    if (cancel) {
        writer.CloseFile();
        QFile::remove(writer.Filename());
        return;
    }
    std::uint32_t bytes = 0;
    checkLame(beDeinitStream(m_stream, writer.BufferPointer(), &bytes), operation);
    writer.WriteBufferToFile(bytes);
    writer.CloseFile();
    // Players take the duration and the gapless trim from this frame.
    checkLame(beWriteInfoTag(m_stream, FileNameCodec::encode(writer.Filename()).constData()),
              operation);
    emit Progress(total, total, cancel);
}

#include "moc_WavToMp3Encoder.cpp"
