#pragma once

#include "CliCommand.h"

// tavro-cli cd [--drive D | --image X.cue] status
// tavro-cli cd [--drive D | --image X.cue] play [--track N] [--from MM:SS] [--seconds S]
// The audio CD player from a shell. status prints whether a disc is in, its number of tracks,
// its length and the device's mode. play plays out loud from the start of track N (1 unless
// given), or MM:SS into it, for S seconds or to the end of the disc, printing the position
// once a second as the CD player window shows it; Ctrl-C stops the device first.
// Exit status: 0 done, 1 failed (no disc or image, a track or time off the disc), 2 bad
// arguments, 130 interrupted.
class CdCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("cd"); }
    QString usage() const override;
    QStringList valueOptions() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
