#include "EncodingPresets.h"

const QList<EncodingPresets::Preset> &EncodingPresets::all()
{
    static const QList<Preset> presets = {
        {-1, QStringLiteral("(Defaults)"), QStringLiteral("default")},
        {3, QStringLiteral("Voice Quality (VBR 32kHz, 100-140kbps)"), QStringLiteral("voice")},
        {4, QStringLiteral("R3 Mix Quality (VBR 44.1kHz, 190-200kbps)"), QStringLiteral("r3mix")},
        {6, QStringLiteral("Standard (VBR 44.1kHz, 170-210kbps)"), QStringLiteral("standard")},
        {7, QStringLiteral("Standard Fast (VBR 44.1kHz, 170-210kbps)"),
         QStringLiteral("fast-standard")},
        {8, QStringLiteral("Extreme (VBR 44.1kHz 200-240kbps)"), QStringLiteral("extreme")},
        {9, QStringLiteral("Extreme Fast (VBR 44.1kHz 200-240kbps)"),
         QStringLiteral("fast-extreme")},
        {10, QStringLiteral("Insane (CBR 44.1kHz 320kbps)"), QStringLiteral("insane")},
        {0, QStringLiteral("Normal Quality (CBR 44.1kHz, 128kbps)"), QStringLiteral("normal")},
        {1, QStringLiteral("Low Quality (CBR 44.1kHz, 128kbps)"), QStringLiteral("low")},
        {13, QStringLiteral("Medium Quality (CBR 44.1kHz, 128kbps)"), QStringLiteral("medium")},
        {14, QStringLiteral("Medium Fast (CBR 44.1kHz, 128kbps)"), QStringLiteral("fast-medium")},
        {2, QStringLiteral("High Quality (CBR 44.1kHz, 128kbps)"), QStringLiteral("high")},
        {5, QStringLiteral("Very High Quality (CBR 44.1kHz, 128kbps, very slow)"),
         QStringLiteral("very-high")},
        {11, QStringLiteral("ABR (Must set bit rate)"), QStringLiteral("abr")},
        {12, QStringLiteral("CBR (Must set bit rate)"), QStringLiteral("cbr")},
    };
    return presets;
}

std::optional<int> EncodingPresets::codeFor(const QString &nameOrCode)
{
    bool isNumber = false;
    const int number = nameOrCode.toInt(&isNumber);
    for (const Preset &preset : all()) {
        if (isNumber ? preset.code == number : preset.name == nameOrCode)
            return preset.code;
    }
    return std::nullopt;
}
