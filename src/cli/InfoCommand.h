#pragma once

#include "CliCommand.h"

// tavro-cli info [--json] FILE...: what the MP3 information window shows, per file.
class InfoCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("info"); }
    QString usage() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
