#pragma once

#include "CliCommand.h"

// tavro-cli search DIR [--m3u OUT.m3u] [--force]
// The searcher window's walk without the window: one line per MP3 file, in the window's order,
// with the window's texts separated by tabs: name, folder, size, duration. A summary goes to
// stderr. --m3u saves the found paths as a play list; an existing one is replaced only with
// --force. Exit status: 0 done, 1 failed, 2 bad arguments.
class SearchCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("search"); }
    QString usage() const override;
    QStringList valueOptions() const override { return {QStringLiteral("--m3u")}; }
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
