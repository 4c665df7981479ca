#pragma once

#include "CliCommand.h"

// tavro-cli cut IN OUT --from S --to S [--force]
// Copies the stretch between two marks in whole seconds as the cutter window does: the byte rate
// is IN's length over its duration rounded to whole seconds (the player's duration). OUT is
// written beside its name and moved into place when complete; an existing OUT is replaced only
// with --force. Ctrl-C cancels. Exit status: 0 done, 1 failed, 2 bad arguments, 130 interrupted.
class CutCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("cut"); }
    QString usage() const override;
    QStringList valueOptions() const override
    {
        return {QStringLiteral("--from"), QStringLiteral("--to")};
    }
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
