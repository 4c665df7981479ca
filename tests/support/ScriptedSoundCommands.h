#pragma once

#include <QHash>
#include <QStringList>

#include "SoundCommands.h"

// Records every command text and answers from a script: a command's reply and code, 0 and an
// empty reply when the script does not name it. Error texts are "error N".
class ScriptedSoundCommands : public SoundCommands {
public:
    struct Answer {
        QByteArray reply;
        quint32 code = 0;
    };

    quint32 mciSendString(const char *command, char *reply, quint32 replyLength,
                          quintptr callbackWindow) override;
    bool mciGetErrorString(quint32 error, char *buffer, quint32 length) override;

    QHash<QString, Answer> answers;
    QStringList sent;
};
