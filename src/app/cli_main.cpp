#include <unistd.h>

#include "AssociateCommand.h"
#include "CliFrontEnd.h"
#include "CutCommand.h"
#include "EncodeCommand.h"
#include "FileNameCodec.h"
#include "InfoCommand.h"
#include "MergeCommand.h"
#include "RenameCommand.h"
#include "RipCommand.h"
#include "RmtagCommand.h"
#include "RunningProgram.h"
#include "SearchCommand.h"
#include "TagCommand.h"
#include "TocCommand.h"

namespace {
// Beside this program in a build, in the library folder once installed.
QByteArray soundProgram()
{
    const QByteArray folder = FileNameCodec::encode(RunningProgram::folder());
    const QByteArray beside = folder + "/tavro-cli-sound";
    return access(beside.constData(), X_OK) == 0 ? beside : folder + "/" TAVRO_SOUND_PROGRAM;
}
} // namespace

// The file commands: no application object and no audio libraries, so that a call per file
// starts quickly. The sound commands are tavro-cli-sound's.
int main(int argc, char *argv[])
{
    CliRegistry commands;
    commands.add<AssociateCommand>();
    commands.add<CutCommand>();
    commands.add<EncodeCommand>();
    commands.add<InfoCommand>();
    commands.add<MergeCommand>();
    commands.add<RenameCommand>();
    commands.add<RipCommand>();
    commands.add<RmtagCommand>();
    commands.add<SearchCommand>();
    commands.add<TagCommand>();
    commands.add<TocCommand>();
    CliFrontEnd frontEnd(commands);
    frontEnd.setOtherProgram(soundProgram);
    return frontEnd.run(argc, argv);
}
