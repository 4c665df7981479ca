#pragma once

#include <optional>

#include <QList>
#include <QString>

// The 16 encoding presets the windows and tavro-cli offer, with the encoder library's codes.
class EncodingPresets {
public:
    struct Preset {
        int code;
        QString listText; // as the windows' preset lists show it
        QString name;     // as tavro-cli takes it
    };

    // In list order.
    static const QList<Preset> &all();
    // The code for a name ("fast-standard") or a code in the list ("7"); empty for neither.
    static std::optional<int> codeFor(const QString &nameOrCode);
};
