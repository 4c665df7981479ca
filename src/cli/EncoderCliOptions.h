#pragma once

#include <optional>

#include <QString>
#include <QStringList>

class WavToMp3Encoder;

// The encoder options tavro-cli commands share: --preset NAME|CODE and --bitrate K.
class EncoderCliOptions {
public:
    static QString usage() { return QStringLiteral("[--preset NAME|CODE] [--bitrate K]"); }
    static QStringList valueOptions()
    {
        return {QStringLiteral("--preset"), QStringLiteral("--bitrate")};
    }

    // When arg is one of the options, takes its value from the front of rest and returns true;
    // a missing or bad value leaves the reason in problem.
    bool take(const QString &arg, QStringList &rest, QString &problem);
    void applyTo(WavToMp3Encoder &encoder) const;

private:
    int m_preset = 6; // standard, as the windows preselect
    std::optional<int> m_bitrate;
};
