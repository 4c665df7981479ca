#include "AssociateCommand.h"

#include <QFileInfo>

#include "DesktopAssociation.h"
#include "DesktopRegistry.h"
#include "RunningProgram.h"

QString AssociateCommand::usage() const
{
    return QStringLiteral("[--remove]  make tavro the desktop's program for .mp3 files, or take "
                          "that back");
}

int AssociateCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList given;
    QStringList operands;
    const QString unknown = args.takeSwitches({QStringLiteral("--remove")}, given, operands);
    if (!unknown.isEmpty() || !operands.isEmpty()) {
        err << "tavro-cli associate: unexpected "
            << (unknown.isEmpty() ? operands.first() : unknown) << "\nusage: tavro-cli associate "
            << usage() << '\n';
        return CliCommand::kBadArguments;
    }
    const bool remove = !given.isEmpty();
    // The player, not this command, is what a double-click on a file should start.
    const QString program = RunningProgram::folder() + QLatin1String("/tavro");
    if (!remove && !QFileInfo(program).isExecutable()) {
        err << "tavro-cli associate: " << program << ": no such program\n";
        return CliCommand::kFailed;
    }
    DesktopRegistry registry;
    DesktopAssociation association(registry);
    const QString extension = QStringLiteral("mp3");
    if (!(remove ? association.Remove(extension, program) : association.Make(extension, program))) {
        err << "tavro-cli associate: could not change every file of the association in "
            << registry.mimeAppsPath() << " and " << registry.dataHome() << '\n';
        return CliCommand::kFailed;
    }
    if (remove)
        out << "tavro no longer opens .mp3 files\n";
    else
        out << ".mp3 files open with " << program << '\n';
    return 0;
}
