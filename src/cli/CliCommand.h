#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "CliArguments.h"

// One word of tavro-cli ("info", "encode", ...).
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
    // The options that take the next word as their value, so that a value such as "--help" or
    // "--" is read as one.
    virtual QStringList valueOptions() const { return {}; }
    // args excludes the command word and asks for no help; the result is the exit status.
    virtual int run(CliArguments &args, QTextStream &out, QTextStream &err) = 0;
};
