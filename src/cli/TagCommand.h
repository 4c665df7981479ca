#pragma once

#include "CliCommand.h"

// tavro-cli tag FILE [--title T] [--artist A] [--album B] [--year Y] [--comment C] [--genre G]:
// sets the given ID3v1 fields, in the order given, through the file record's setters.
class TagCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("tag"); }
    QString usage() const override;
    int run(const QStringList &args, QTextStream &out, QTextStream &err) override;
};
