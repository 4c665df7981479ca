#include "VoiceRecording.h"

#include <array>

#include "FileNameCodec.h"
#include "RecorderTexts.h"
#include "SoundCommands.h"

namespace {
// Often enough that the time text turns over within a fifth of a second of the clock.
constexpr int kPassMs = 200;
constexpr quint32 kReplyLength = 1024;
constexpr quint32 kLengthReplyLength = 255;

QByteArray quotedIfBlank(const QString &fileName)
{
    const QByteArray name = FileNameCodec::encode(fileName);
    return name.contains(' ') ? '"' + name + '"' : name;
}
} // namespace

VoiceRecording::VoiceRecording(SoundCommands &sound, QObject *parent)
    : QObject(parent), m_sound(sound)
{
    m_passes.setInterval(kPassMs);
    connect(&m_passes, &QTimer::timeout, this, &VoiceRecording::displayPass);
}

VoiceRecording::~VoiceRecording()
{
    if (isRecording())
        m_sound.mciSendString("close recsound", nullptr, 0, 0);
}

quint32 VoiceRecording::send(const QByteArray &command)
{
    std::array<char, kReplyLength> reply{};
    const quint32 code = m_sound.mciSendString(command.constData(), reply.data(), kReplyLength, 0);
    if (code != 0) {
        std::array<char, kReplyLength> text{};
        m_sound.mciGetErrorString(code, text.data(), kReplyLength);
        emit commandFailed(code, QString::fromLocal8Bit(text.data()));
    }
    return code;
}

void VoiceRecording::start(int samplesPerSecond, const QString &wavFile)
{
    if (isRecording())
        return;
    m_wavFile = wavFile;
    send("open new Type waveaudio Alias recsound");
    // The byte rate is the device's own business: it follows from the other values.
    send("set recsound time format ms bitspersample 16 channels 2 bytespersec 22500  "
         "samplespersec " +
         QByteArray::number(samplesPerSecond));
    send("record  recsound");
    m_clock.start();
    m_passes.start();
    displayPass();
}

void VoiceRecording::displayPass()
{
    const QString time = RecorderTexts::Time(m_clock.elapsed() / 1000);
    std::array<char, kLengthReplyLength> length{};
    const quint32 format = m_sound.mciSendString("set recsound time format bytes", nullptr, 0, 0);
    const quint32 status =
        m_sound.mciSendString("status recsound length", length.data(), kLengthReplyLength, 0);
    emit displayed(time, RecorderTexts::Size(QByteArray(length.data()).trimmed().toLongLong()));
    if (format != 0 || status != 0)
        end();
}

void VoiceRecording::stop()
{
    if (isRecording())
        end();
}

void VoiceRecording::end()
{
    m_passes.stop();
    send("save recsound " + quotedIfBlank(m_wavFile));
    send("close recsound");
    emit ended();
}

#include "moc_VoiceRecording.cpp"
