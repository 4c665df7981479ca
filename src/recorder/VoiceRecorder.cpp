#include "VoiceRecorder.h"

#include <optional>

#include <QDir>
#include <QFileInfo>

#include "RaisedError.h"
#include "RecorderTexts.h"

VoiceRecorder::VoiceRecorder(SoundCommands &sound, QObject *parent)
    : QObject(parent), m_recording(sound)
{
    connect(&m_recording, &VoiceRecording::commandFailed, this, &VoiceRecorder::commandFailed);
    connect(&m_recording, &VoiceRecording::displayed, this, &VoiceRecorder::displayed);
    connect(&m_recording, &VoiceRecording::ended, this, &VoiceRecorder::recordingEnded);
    // Emitted on the worker; the handler answers through the reference, so it runs there too.
    connect(
        &m_encoder, &WavToMp3Encoder::Progress, this,
        [this](qint64 done, qint64 total, bool &cancel) {
            cancel = m_cancel;
            emit encodeProgress(done, total, RecorderTexts::EncodingProgress(done, total));
        },
        Qt::DirectConnection);
    connect(&m_worker, &WorkerRun::finished, this, [this] { emit encodingFinished(m_error); });
}

bool VoiceRecorder::startRecording()
{
    if (isRecording() || isEncoding())
        return false;
    // Without a file the device's save fails and says so, like any other failing command.
    m_wav.emplace(QDir::tempPath(), UnnamedFile::Use::Scratch);
    m_recorded = true;
    m_recording.start(m_samplesPerSecond, temporaryWav());
    return true;
}

QString VoiceRecorder::startEncoding(const QString &mp3, bool replace)
{
    if (isRecording() || isEncoding())
        return QStringLiteral("A recording or an encoding is going on");
    if (!m_recorded)
        return QStringLiteral("Nothing has been recorded");
    if (mp3.trimmed().isEmpty())
        return QStringLiteral("No MP3 file has been chosen");
    if (!replace && QFileInfo::exists(mp3))
        return mp3 + QStringLiteral(" already exists");
    m_mp3 = mp3;
    m_replace = replace;
    m_cancel = false;
    m_recorded = false;
    if (m_preset)
        m_encoder.setEncodingPreset(*m_preset);
    m_worker.start([this] { encode(); }, [this] { m_cancel = true; });
    return {};
}

void VoiceRecorder::cancelEncoding() { m_worker.stop(); }

void VoiceRecorder::encode()
{
    m_error.clear();
    {
        // A target that is an unnamed output already is its maker's to name.
        std::optional<UnnamedFile> part;
        if (!UnnamedFile::isOpenUnnamed(m_mp3))
            part.emplace(m_mp3);
        m_encoder.setWavFile(temporaryWav());
        m_encoder.setMp3File(part ? part->path() : m_mp3);
        try {
            m_encoder.Encode();
        } catch (const RaisedError &error) {
            m_error = error.text();
        }
        if (m_error.isEmpty() && m_cancel)
            m_error = QStringLiteral("Encoding has been cancelled");
        else if (m_error.isEmpty() && part && !part->linkAs(m_replace))
            m_error = QStringLiteral("Cannot write ") + m_mp3;
    }
    m_wav.reset();
}

#include "moc_VoiceRecorder.cpp"
