#pragma once

#include <QByteArray>

#include "SoundCommand.h"

// A device the service opened under an alias; it runs the commands addressed to it.
class SoundDevice {
public:
    virtual ~SoundDevice() = default;

    // 0 and the result text in reply, or an error code of SoundErrors.
    virtual quint32 execute(const SoundCommand &command, QByteArray &reply) = 0;
};
