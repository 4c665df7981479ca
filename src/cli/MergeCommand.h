#pragma once

#include "CliCommand.h"

// tavro-cli merge BASE ATTACHMENT OUT [--force]
// Writes BASE followed by ATTACHMENT to OUT, streamed piece by piece as the merger window does.
// OUT is written beside its name and moved into place when complete (it may be one of the
// inputs); an existing OUT is replaced only with --force. Ctrl-C cancels.
// Exit status: 0 done, 1 failed, 2 bad arguments, 130 interrupted.
class MergeCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("merge"); }
    QString usage() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
