#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

// One word of tavro-cli ("info", "encode", ...). Each command registers itself with a
// CliRegistrar, so the front end needs no list of them.
class CliCommand {
public:
    // Exit statuses every command uses.
    static constexpr int kFailed = 1;
    static constexpr int kBadArguments = 2;
    static constexpr int kInterrupted = 130; // as a shell reports SIGINT

    virtual ~CliCommand() = default;

    virtual QString name() const = 0;
    // One line for the command list: the arguments, then what it does.
    virtual QString usage() const = 0;
    // args excludes the command word; the result is the process exit status.
    virtual int run(const QStringList &args, QTextStream &out, QTextStream &err) = 0;
};
