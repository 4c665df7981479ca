#pragma once

#include <QtGlobal>

// The command-string sound service as its callers see it: a device is opened under an alias
// ("open cdaudio alias cd wait shareable") and then driven by texts that name the alias
// ("status cd mode", "seek cd to 3"). Devices belong to the process; "close all" closes every
// device it opened. Every call is made on the UI thread and returns when the command is done.
class SoundCommands {
public:
    virtual ~SoundCommands() = default;

    // Sends one command text. A non-null reply of replyLength > 0 bytes receives the result text,
    // NUL-terminated and cut to fit (the code then says the reply was cut). No command asks for
    // notification, so callbackWindow is always 0. Returns 0 on success, otherwise an error code.
    virtual quint32 mciSendString(const char *command, char *reply, quint32 replyLength,
                                  quintptr callbackWindow) = 0;
    // Fills buffer (length bytes, NUL-terminated, cut to fit) with the readable text of an error
    // code; false when the code is unknown or there is no room.
    virtual bool mciGetErrorString(quint32 error, char *buffer, quint32 length) = 0;
};
