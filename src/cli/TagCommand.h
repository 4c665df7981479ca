#pragma once

#include "CliCommand.h"

// tavro-cli tag FILE... [--title T] [--artist A] [--album B] [--year Y] [--comment C] [--genre G]:
// sets the given ID3v1 fields of each file, in the order given, through the file record's
// setters; a file that fails does not stop the others.
class TagCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("tag"); }
    QString usage() const override;
    QStringList valueOptions() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
