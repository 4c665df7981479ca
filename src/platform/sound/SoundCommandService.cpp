#include "SoundCommandService.h"

#include <cstring>

#include "CdRipSettings.h"
#include "SoundCommandParser.h"
#include "SoundDevice.h"
#include "SoundErrors.h"

namespace {
// False when text had to be cut to fit.
bool copyCut(const QByteArray &text, char *buffer, quint32 length)
{
    const quint32 bytes = qMin<quint32>(quint32(text.size()), length - 1);
    std::memcpy(buffer, text.constData(), bytes);
    buffer[bytes] = '\0';
    return bytes == quint32(text.size());
}
} // namespace

SoundCommandService::SoundCommandService() : m_devices(CdRipSettings::defaultPath()) {}

SoundCommandService::SoundCommandService(SoundDevices devices) : m_devices(std::move(devices)) {}

SoundCommandService::~SoundCommandService() = default;

quint32 SoundCommandService::mciSendString(const char *command, char *reply, quint32 replyLength,
                                           quintptr)
{
    QByteArray text;
    const quint32 code = run(command ? QByteArray(command) : QByteArray(), text);
    if (!reply || replyLength == 0)
        return code;
    const bool whole = copyCut(text, reply, replyLength);
    return code == SoundErrors::None && !whole ? SoundErrors::ParameterOverflow : code;
}

quint32 SoundCommandService::run(const QByteArray &text, QByteArray &reply)
{
    SoundCommand command;
    if (const quint32 error = SoundCommandParser::parse(text, command))
        return error;
    if (command.verb == SoundCommand::Verb::Open) {
        if (m_open.count(command.alias))
            return SoundErrors::DuplicateAlias;
        std::unique_ptr<SoundDevice> device;
        if (const quint32 error = m_devices.open(command, device))
            return error;
        m_open[command.alias] = std::move(device);
        return SoundErrors::None;
    }
    if (command.verb == SoundCommand::Verb::Close && command.device == "all") {
        m_open.clear();
        return SoundErrors::None;
    }
    const auto device = m_open.find(command.device);
    if (device == m_open.end())
        return SoundErrors::InvalidDeviceName;
    if (command.verb == SoundCommand::Verb::Close) {
        m_open.erase(device);
        return SoundErrors::None;
    }
    return device->second->execute(command, reply);
}

bool SoundCommandService::mciGetErrorString(quint32 error, char *buffer, quint32 length)
{
    const QByteArray text = SoundErrors::text(error);
    if (!buffer || length == 0)
        return false;
    copyCut(text, buffer, length);
    return !text.isEmpty();
}
