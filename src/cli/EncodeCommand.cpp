#include "EncodeCommand.h"

#include <optional>

#include "ConsoleProgressBar.h"
#include "EncoderCliOptions.h"
#include "FileProblem.h"
#include "InterruptGuard.h"
#include "RaisedError.h"
#include "UnnamedFile.h"
#include "WavReader.h"
#include "WavToMp3Encoder.h"

namespace {
// The encoder's "Invalid Format": the input is no WAV file it can read.
constexpr int kInvalidFormat = 29771;

struct Options {
    QString in;
    QString out;
    EncoderCliOptions encoder;
    bool force = false;
};

std::optional<Options> parse(CliArguments &args, QString &problem)
{
    Options options;
    QStringList files;
    while (!args.atEnd() && problem.isEmpty()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (!option)
            files << arg;
        else if (options.encoder.take(arg, args.rest(), problem))
            continue;
        else if (arg == QLatin1String("--force"))
            options.force = true;
        else
            problem = QStringLiteral("unknown option ") + arg;
    }
    if (problem.isEmpty() && files.size() != 2)
        problem = QStringLiteral("needs an input WAV file and an output MP3 file");
    if (!problem.isEmpty())
        return std::nullopt;
    options.in = files.at(0);
    options.out = files.at(1);
    return options;
}

int encode(const Options &options, QTextStream &err)
{
    UnnamedFile part(options.out);
    WavToMp3Encoder encoder;
    options.encoder.applyTo(encoder);
    encoder.setWavFile(options.in);
    encoder.setMp3File(part.path());

    const bool showBar = ConsoleProgressBar::stderrIsTerminal();
    ConsoleProgressBar bar(err, QStringLiteral("Encoding"));
    QObject::connect(&encoder, &WavToMp3Encoder::Progress,
                     [&](qint64 done, qint64 total, bool &cancel) {
                         if (showBar)
                             bar.update(done, total);
                         cancel = InterruptGuard::raised();
                     });
    try {
        encoder.Encode();
    } catch (const RaisedError &error) {
        bar.finish();
        err << "tavro-cli encode: " << error.text() << '\n';
        WavReader reader;
        if (error.number() == kInvalidFormat && !reader.OpenFile(options.in))
            FileProblem::report(err, "encode", options.in,
                                QStringLiteral("a 16-bit stereo WAV file is needed; this one is ") +
                                    reader.problem());
        return CliCommand::kFailed;
    }
    bar.finish();
    if (InterruptGuard::raised()) {
        err << "tavro-cli encode: interrupted, " << options.out << " not written\n";
        return CliCommand::kInterrupted;
    }
    if (!part.linkAs(options.force)) {
        err << "tavro-cli encode: cannot write " << options.out << '\n';
        return CliCommand::kFailed;
    }
    return 0;
}
} // namespace

QString EncodeCommand::usage() const
{
    return QStringLiteral("IN.wav OUT.mp3 %1 [--force]  encode a 16-bit stereo WAV file to MP3 "
                          "(preset standard "
                          "unless given)")
        .arg(EncoderCliOptions::usage());
}

int EncodeCommand::run(CliArguments &args, QTextStream &, QTextStream &err)
{
    QString problem;
    const auto options = parse(args, problem);
    if (!options) {
        err << "tavro-cli encode: " << problem << "\nusage: tavro-cli encode " << usage() << '\n';
        return CliCommand::kBadArguments;
    }
    if (FileProblem::report(err, "encode", options->in, FileProblem::forReading(options->in)))
        return CliCommand::kFailed;
    if (FileProblem::report(err, "encode", options->out,
                            FileProblem::forOutput(options->out, {options->in}, options->force)))
        return CliCommand::kFailed;
    const InterruptGuard guard;
    return encode(*options, err);
}
