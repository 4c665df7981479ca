#pragma once

#include "CliCommand.h"

// tavro-cli toc [DRIVE|IMAGE]
// Lists the tracks of the disc in a drive (number from 1, or name) or in a disc image: number,
// start, length, size in MB and in bytes; then the disc's CDDB query text.
// Exit status: 0 listed, 1 no drive, no disc or unreadable, 2 bad arguments.
class TocCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("toc"); }
    QString usage() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
