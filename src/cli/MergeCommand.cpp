#include "MergeCommand.h"

#include <optional>

#include "ConsoleProgressBar.h"
#include "FileProblem.h"
#include "InterruptGuard.h"
#include "Mp3Merger.h"

namespace {
struct Options {
    QStringList files; // base, attachment, output
    bool force = false;
};

std::optional<Options> parse(CliArguments &args, QString &problem)
{
    Options options;
    while (!args.atEnd() && problem.isEmpty()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (!option)
            options.files << arg;
        else if (arg == QLatin1String("--force"))
            options.force = true;
        else
            problem = QStringLiteral("unknown option ") + arg;
    }
    if (problem.isEmpty() && options.files.size() != 3)
        problem = QStringLiteral("needs a base file, an attachment and an output file");
    if (!problem.isEmpty())
        return std::nullopt;
    return options;
}

int merge(const Options &options, QTextStream &err)
{
    const QString &out = options.files.at(2);
    Mp3Merger merger;
    const bool showBar = ConsoleProgressBar::stderrIsTerminal();
    ConsoleProgressBar bar(err, QStringLiteral("Merging"));
    QObject::connect(&merger, &Mp3Merger::progress, [&](int value) {
        if (showBar)
            bar.update(value, 100);
        if (InterruptGuard::raised())
            merger.cancel();
    });
    const bool written = merger.merge(options.files.at(0), options.files.at(1), out, options.force);
    bar.finish();
    if (written)
        return 0; // an interrupt after the last piece came too late to stop anything
    if (InterruptGuard::raised()) {
        err << "tavro-cli merge: interrupted, " << out << " not written\n";
        return CliCommand::kInterrupted;
    }
    err << "tavro-cli merge: cannot write " << out << '\n';
    return CliCommand::kFailed;
}
} // namespace

QString MergeCommand::usage() const
{
    return QStringLiteral("BASE ATTACHMENT OUT [--force]  join two MP3 files: BASE, then "
                          "ATTACHMENT");
}

int MergeCommand::run(CliArguments &args, QTextStream &, QTextStream &err)
{
    QString problem;
    const auto options = parse(args, problem);
    if (!options) {
        err << "tavro-cli merge: " << problem << "\nusage: tavro-cli merge " << usage() << '\n';
        return CliCommand::kBadArguments;
    }
    for (const QString &in : options->files.first(2)) {
        if (FileProblem::report(err, "merge", in, FileProblem::forReading(in)))
            return CliCommand::kFailed;
    }
    const QString &out = options->files.at(2);
    if (FileProblem::report(err, "merge", out,
                            FileProblem::forOutput(out, options->files.first(2), options->force)))
        return CliCommand::kFailed;
    const InterruptGuard guard;
    return merge(*options, err);
}
