#pragma once

#include "CliCommand.h"

// tavro-cli rmtag FILE...: cuts the ID3v1 tag off the end of each file; one that fails does not
// stop the others.
class RmtagCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("rmtag"); }
    QString usage() const override { return QStringLiteral("FILE...  remove the ID3v1 tag"); }
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
