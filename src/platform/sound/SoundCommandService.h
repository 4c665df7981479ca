#pragma once

#include "SoundCommands.h"

// The process's command-string sound service: parses each command text into a SoundCommand and
// hands it to the device its alias names. One per process; the windows share it.
class SoundCommandService : public SoundCommands {
public:
    SoundCommandService();
    ~SoundCommandService() override;

    quint32 mciSendString(const char *command, char *reply, quint32 replyLength,
                          quintptr callbackWindow) override;
    bool mciGetErrorString(quint32 error, char *buffer, quint32 length) override;
};
