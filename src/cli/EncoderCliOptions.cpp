#include "EncoderCliOptions.h"

#include "EncodingPresets.h"
#include "WavToMp3Encoder.h"

namespace {
constexpr int kMinBitrate = 8;
constexpr int kMaxBitrate = 320;

QString presetNames()
{
    QStringList names;
    for (const auto &preset : EncodingPresets::all())
        names << preset.name;
    return names.join(QStringLiteral(", "));
}
} // namespace

bool EncoderCliOptions::take(const QString &arg, QStringList &rest, QString &problem)
{
    const bool preset = arg == QLatin1String("--preset");
    if (!preset && arg != QLatin1String("--bitrate"))
        return false;
    if (rest.isEmpty()) {
        problem = arg + QStringLiteral(" needs a value");
        return true;
    }
    const QString value = rest.takeFirst();
    if (preset) {
        const auto code = EncodingPresets::codeFor(value);
        if (code)
            m_preset = *code;
        else
            problem = QStringLiteral("unknown preset '%1' (one of: %2, or its code)")
                          .arg(value, presetNames());
        return true;
    }
    bool ok = false;
    const int kbps = value.toInt(&ok);
    if (ok && kbps >= kMinBitrate && kbps <= kMaxBitrate)
        m_bitrate = kbps;
    else
        problem = QStringLiteral("--bitrate takes kbit/s from %1 to %2")
                      .arg(kMinBitrate)
                      .arg(kMaxBitrate);
    return true;
}

void EncoderCliOptions::applyTo(WavToMp3Encoder &encoder) const
{
    encoder.setEncodingPreset(m_preset);
    if (m_bitrate)
        encoder.setBitrate(*m_bitrate);
}
