#pragma once

#include "CliCommand.h"

// tavro-cli rename --pattern P [--attach-time] FILE...: renames files after their tags, as the
// tags editor's renamer does (see RenamePattern for the placeholders, TagRenamer for the run).
class RenameCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("rename"); }
    QString usage() const override;
    QStringList valueOptions() const override { return {QStringLiteral("--pattern")}; }
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
