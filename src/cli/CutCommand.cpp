#include "CutCommand.h"

#include <optional>

#include "ConsoleProgressBar.h"
#include "FileProblem.h"
#include "InterruptGuard.h"
#include "Mp3Cutter.h"
#include "Mp3Duration.h"
#include "PlaybackTables.h"
#include "RegularFile.h"

namespace {
struct Options {
    QString in;
    QString out;
    qint32 from = -1;
    qint32 to = -1;
    bool force = false;
};

// A whole number of seconds from 0 up.
bool takeSeconds(const QString &option, QStringList &args, qint32 &seconds, QString &problem)
{
    bool ok = false;
    seconds = args.isEmpty() ? -1 : args.takeFirst().toInt(&ok);
    if (!ok || seconds < 0)
        problem = option + QStringLiteral(" takes a whole number of seconds");
    return ok && seconds >= 0;
}

std::optional<Options> parse(CliArguments &args, QString &problem)
{
    Options options;
    QStringList files;
    while (!args.atEnd() && problem.isEmpty()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (!option)
            files << arg;
        else if (arg == QLatin1String("--from"))
            takeSeconds(arg, args.rest(), options.from, problem);
        else if (arg == QLatin1String("--to"))
            takeSeconds(arg, args.rest(), options.to, problem);
        else if (arg == QLatin1String("--force"))
            options.force = true;
        else
            problem = QStringLiteral("unknown option ") + arg;
    }
    if (problem.isEmpty() && files.size() != 2)
        problem = QStringLiteral("needs an input MP3 file and an output file");
    else if (problem.isEmpty() && (options.from < 0 || options.to < 0))
        problem = QStringLiteral("needs --from S and --to S");
    else if (problem.isEmpty() && options.from >= options.to)
        problem = QStringLiteral("--to must be greater than --from");
    if (!problem.isEmpty())
        return std::nullopt;
    options.in = files.at(0);
    options.out = files.at(1);
    return options;
}

int cut(const Options &options, const Mp3Cutter::Span &span, QTextStream &err)
{
    Mp3Cutter cutter;
    const bool showBar = ConsoleProgressBar::stderrIsTerminal();
    ConsoleProgressBar bar(err, QStringLiteral("Cutting"));
    QObject::connect(&cutter, &Mp3Cutter::progress, [&](qint64 done, qint64 total) {
        if (showBar)
            bar.update(done, total);
        if (InterruptGuard::raised())
            cutter.cancel();
    });
    const bool written = cutter.cut(options.in, span, options.out, options.force);
    bar.finish();
    if (written)
        return 0; // an interrupt after the last piece came too late to stop anything
    if (InterruptGuard::raised()) {
        err << "tavro-cli cut: interrupted, " << options.out << " not written\n";
        return CliCommand::kInterrupted;
    }
    err << "tavro-cli cut: cannot write " << options.out << '\n';
    return CliCommand::kFailed;
}
} // namespace

QString CutCommand::usage() const
{
    return QStringLiteral("IN OUT --from S --to S [--force]  copy the stretch of an MP3 file "
                          "between two whole seconds to a new file");
}

int CutCommand::run(CliArguments &args, QTextStream &, QTextStream &err)
{
    QString problem;
    const auto options = parse(args, problem);
    if (!options) {
        err << "tavro-cli cut: " << problem << "\nusage: tavro-cli cut " << usage() << '\n';
        return CliCommand::kBadArguments;
    }
    if (FileProblem::report(err, "cut", options->in, FileProblem::forReading(options->in)))
        return CliCommand::kFailed;
    const qint32 duration = PlaybackTables::roundHalfEven(Mp3Duration().seconds(options->in));
    if (duration <= 0) {
        err << "tavro-cli cut: " << options->in << ": no MPEG audio, its length is unknown\n";
        return CliCommand::kFailed;
    }
    if (options->to > duration) {
        err << "tavro-cli cut: --to is past the end of " << options->in << " (" << duration
            << " s)\n";
        return CliCommand::kBadArguments;
    }
    if (FileProblem::report(err, "cut", options->out,
                            FileProblem::forOutput(options->out, {options->in}, options->force)))
        return CliCommand::kFailed;
    const InterruptGuard guard;
    return cut(
        *options,
        Mp3Cutter::span(RegularFile::sizeOf(options->in), duration, options->from, options->to),
        err);
}
