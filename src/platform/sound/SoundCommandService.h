#pragma once

#include <map>
#include <memory>

#include <QByteArray>

#include "SoundCommands.h"
#include "SoundDevices.h"

class SoundDevice;

// The process's command-string sound service: parses each command text at the door into a
// SoundCommand and hands it to the device its alias names. One per process; the windows share
// it, so "close all" closes what any of them opened.
class SoundCommandService : public SoundCommands {
public:
    // Devices from the user's ripping settings.
    SoundCommandService();
    explicit SoundCommandService(SoundDevices devices);
    ~SoundCommandService() override;

    quint32 mciSendString(const char *command, char *reply, quint32 replyLength,
                          quintptr callbackWindow) override;
    bool mciGetErrorString(quint32 error, char *buffer, quint32 length) override;

private:
    quint32 run(const QByteArray &text, QByteArray &reply);

    SoundDevices m_devices;
    std::map<QByteArray, std::unique_ptr<SoundDevice>> m_open; // by alias
};
