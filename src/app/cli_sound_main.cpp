#include <QCoreApplication>

#include "CdCommand.h"
#include "CliFrontEnd.h"
#include "RecordCommand.h"

// The commands that play or capture sound, started by tavro-cli for their words: the audio
// services they use need an application object.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    CliRegistry commands;
    commands.add<CdCommand>();
    commands.add<RecordCommand>();
    return CliFrontEnd(commands).run(argc, argv);
}
