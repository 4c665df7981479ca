// Parsing command strings for the sound devices.
#include "SoundCommand.h"
#include "SoundCommandParser.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    SoundCommand command;
    SoundCommandParser::parse(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)),
                              command);
    return 0;
}
