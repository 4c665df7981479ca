#pragma once

#include "CliCommand.h"

// tavro-cli record OUT.mp3 --seconds N [--rate 44100|48000] [--preset NAME|CODE] [--bitrate K]
//                  [--force]
// Records 16-bit stereo from the default input for N seconds, printing the time and size once a
// second, then encodes it as the recorder window does. Ctrl-C while recording ends the recording
// early and still encodes it; Ctrl-C while encoding (a second one) aborts. OUT is written beside
// its name and moved into place when complete, an existing OUT is replaced only with --force,
// and the temporary WAV file is deleted whatever happens.
// Exit status: 0 done, 1 failed, 2 bad arguments, 130 interrupted.
class RecordCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("record"); }
    QString usage() const override;
    QStringList valueOptions() const override;
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
