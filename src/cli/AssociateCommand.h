#pragma once

#include "CliCommand.h"

// tavro-cli associate [--remove]
// The main window's Make Association and Remove Association: makes the tavro program beside
// tavro-cli the desktop's opener of .mp3 files, or takes that back (bringing back the opener it
// replaced). Exit status: 0 done, 1 a step failed, 2 bad arguments.
class AssociateCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("associate"); }
    QString usage() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
