#include "ScriptedSoundCommands.h"

#include <cstring>

namespace {
void copyCut(const QByteArray &text, char *buffer, quint32 length)
{
    if (!buffer || length == 0)
        return;
    const quint32 bytes = qMin<quint32>(quint32(text.size()), length - 1);
    std::memcpy(buffer, text.constData(), bytes);
    buffer[bytes] = '\0';
}
} // namespace

quint32 ScriptedSoundCommands::mciSendString(const char *command, char *reply, quint32 replyLength,
                                             quintptr)
{
    sent << QString::fromLocal8Bit(command);
    const Answer answer = answers.value(sent.last());
    copyCut(answer.reply, reply, replyLength);
    return answer.code;
}

bool ScriptedSoundCommands::mciGetErrorString(quint32 error, char *buffer, quint32 length)
{
    copyCut("error " + QByteArray::number(error), buffer, length);
    return true;
}
