#pragma once

#include "platform/console/CliCommand.h"

// tavro-cli rename --pattern P [--attach-time] FILE...: renames files after their tags, as the
// tags editor's renamer does (see RenamePattern for the placeholders).
class RenameCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("rename"); }
    QString usage() const override;
    int run(const QStringList &args, QTextStream &out, QTextStream &err) override;

private:
    // 0 when renamed; prints the old and the new name, or why not.
    static int renameOne(const QString &file, const QString &pattern, QTextStream &out,
                         QTextStream &err);
};
