#include "SoundCommandService.h"

#include <cstring>

#include <QByteArray>

namespace {
constexpr quint32 kUnrecognizedCommand = 261;
} // namespace

SoundCommandService::SoundCommandService() = default;

SoundCommandService::~SoundCommandService() = default;

quint32 SoundCommandService::mciSendString(const char *, char *reply, quint32 replyLength, quintptr)
{
    if (reply && replyLength > 0)
        reply[0] = '\0';
    return kUnrecognizedCommand;
}

bool SoundCommandService::mciGetErrorString(quint32, char *buffer, quint32 length)
{
    if (!buffer || length == 0)
        return false;
    buffer[0] = '\0';
    return false;
}
