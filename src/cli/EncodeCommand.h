#pragma once

#include "CliCommand.h"
#include "EncoderCliOptions.h"

// tavro-cli encode IN.wav OUT.mp3 [--preset NAME|CODE] [--bitrate K] [--force]
// Encodes into a hidden file beside OUT and moves it into place only when complete, so OUT is
// never half-written; an existing OUT is replaced only with --force. Ctrl-C cancels.
// Exit status: 0 done, 1 failed, 2 bad arguments, 130 interrupted.
class EncodeCommand : public CliCommand {
public:
    QString name() const override { return QStringLiteral("encode"); }
    QString usage() const override;
    QStringList valueOptions() const override { return EncoderCliOptions::valueOptions(); }
    int run(CliArguments &args, QTextStream &out, QTextStream &err) override;
};
