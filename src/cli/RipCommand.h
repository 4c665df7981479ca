#pragma once

#include "CliCommand.h"

// tavro-cli rip [--drive D | --image IMAGE] (--track N ... | --all) [--preset P] [--bitrate K]
//               [--force] OUT
// Rips tracks and encodes each into its own MP3 file (OUT.wav keeps the ripped audio instead).
// One track goes to OUT; several to "OUT - Track NN.mp3", or to OUT with "%N" replaced by NN.
// Existing outputs are replaced only with --force, each in one step when its new file is
// complete; an output is never left half-written.
// Exit status: 0 done, 1 failed, 2 bad arguments, 130 interrupted.
class RipCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("rip"); }
    QString usage() const override;
    QStringList valueOptions() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
