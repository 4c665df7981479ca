#pragma once

#include "CliCommand.h"

// tavro-cli rmtag FILE: cuts the ID3v1 tag off the end of the file.
class RmtagCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("rmtag"); }
    QString usage() const override { return QStringLiteral("FILE  remove the ID3v1 tag"); }
    int run(const QStringList &args, QTextStream &out, QTextStream &err) override;
};
