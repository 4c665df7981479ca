#include "RecordCommand.h"

#include <optional>

#include <QEventLoop>
#include <QTimer>

#include "ConsoleProgressBar.h"
#include "EncoderCliOptions.h"
#include "FileProblem.h"
#include "InterruptGuard.h"
#include "SoundCommandService.h"
#include "UnnamedFile.h"
#include "VoiceRecorder.h"

namespace {
constexpr int kPollMs = 50;

struct Options {
    QString out;
    int seconds = 0;
    int rate = 44100;
    EncoderCliOptions encoder;
    bool force = false;
};

bool takeNumber(const QString &option, QStringList &args, int &value, QString &problem)
{
    bool ok = false;
    value = args.isEmpty() ? 0 : args.takeFirst().toInt(&ok);
    if (!ok)
        problem = option + QStringLiteral(" needs a whole number");
    return ok;
}

void takeOption(const QString &arg, QStringList &args, Options &options, QString &problem)
{
    if (options.encoder.take(arg, args, problem))
        return;
    if (arg == QLatin1String("--force"))
        options.force = true;
    else if (arg == QLatin1String("--seconds") && takeNumber(arg, args, options.seconds, problem) &&
             options.seconds < 1)
        problem = QStringLiteral("--seconds takes a whole number from 1");
    else if (arg == QLatin1String("--rate") && takeNumber(arg, args, options.rate, problem) &&
             options.rate != 44100 && options.rate != 48000)
        problem = QStringLiteral("--rate takes 44100 or 48000");
    else if (problem.isEmpty() && arg != QLatin1String("--seconds") &&
             arg != QLatin1String("--rate"))
        problem = QStringLiteral("unknown option ") + arg;
}

std::optional<Options> parse(CliArguments &args, QString &problem)
{
    Options options;
    while (!args.atEnd() && problem.isEmpty()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (option)
            takeOption(arg, args.rest(), options, problem);
        else if (options.out.isEmpty())
            options.out = arg;
        else
            problem = QStringLiteral("unexpected ") + arg;
    }
    if (problem.isEmpty() && options.out.isEmpty())
        problem = QStringLiteral("needs an output MP3 file");
    if (problem.isEmpty() && options.seconds == 0)
        problem = QStringLiteral("needs --seconds N");
    return problem.isEmpty() ? std::optional(options) : std::nullopt;
}

int record(const Options &options, QTextStream &out, QTextStream &err)
{
    const InterruptGuard guard;
    // Made when the first Ctrl-C ends the recording, so that only a later one aborts.
    std::optional<InterruptGuard> encodingGuard;
    // The recorder encodes into this, and it becomes OUT only if no Ctrl-C came meanwhile,
    // even one after the encoding's last chunk.
    UnnamedFile part(options.out);
    SoundCommandService sound;
    VoiceRecorder recorder(sound);
    recorder.setSamplesPerSecond(options.rate);
    options.encoder.applyTo(recorder.encoder());

    QEventLoop loop;
    bool failed = false;
    QObject::connect(&recorder, &VoiceRecorder::commandFailed, [&](quint32, const QString &text) {
        err << "tavro-cli record: " << text << '\n';
        err.flush();
        failed = true;
    });
    QString shownTime;
    QObject::connect(&recorder, &VoiceRecorder::displayed,
                     [&](const QString &time, const QString &size) {
                         if (time == shownTime)
                             return;
                         shownTime = time;
                         out << time << "  " << size << '\n';
                         out.flush();
                     });
    QObject::connect(&recorder, &VoiceRecorder::recordingEnded, [&] {
        // Filling the unnamed part replaces nothing; it takes OUT's name below.
        const QString why = failed ? QString() : recorder.startEncoding(part.path(), true);
        if (!why.isEmpty())
            err << "tavro-cli record: " << why << '\n';
        if (failed || !why.isEmpty())
            loop.exit(CliCommand::kFailed);
    });

    const bool showBar = ConsoleProgressBar::stderrIsTerminal();
    ConsoleProgressBar bar(err, QStringLiteral("Encoding"));
    QObject::connect(&recorder, &VoiceRecorder::encodeProgress, [&](qint64 done, qint64 total) {
        if (showBar)
            bar.update(done, total);
    });
    QObject::connect(&recorder, &VoiceRecorder::encodingFinished, [&](const QString &error) {
        bar.finish();
        if (InterruptGuard::raised()) {
            err << "tavro-cli record: interrupted, " << options.out << " not written\n";
            loop.exit(CliCommand::kInterrupted);
        } else if (!error.isEmpty()) {
            err << "tavro-cli record: " << error << '\n';
            loop.exit(CliCommand::kFailed);
        } else if (!part.linkAs(options.force)) {
            err << "tavro-cli record: cannot write " << options.out << '\n';
            loop.exit(CliCommand::kFailed);
        } else {
            loop.exit(0);
        }
    });

    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (!InterruptGuard::raised())
            return;
        if (recorder.isRecording()) {
            encodingGuard.emplace();
            recorder.stopRecording();
        } else {
            recorder.cancelEncoding();
        }
    });
    poll.start();
    // Inside the loop: a device that fails at once ends the recording on the spot.
    QTimer::singleShot(0, &recorder, [&] {
        recorder.startRecording();
        QTimer::singleShot(options.seconds * 1000, &recorder, &VoiceRecorder::stopRecording);
    });
    return loop.exec();
}
} // namespace

QString RecordCommand::usage() const
{
    return QStringLiteral("OUT.mp3 --seconds N [--rate 44100|48000] %1 [--force]  record from "
                          "the default input for N seconds (Ctrl-C ends early) and encode it")
        .arg(EncoderCliOptions::usage());
}

QStringList RecordCommand::valueOptions() const
{
    return QStringList{QStringLiteral("--seconds"), QStringLiteral("--rate")} +
           EncoderCliOptions::valueOptions();
}

int RecordCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QString problem;
    const std::optional<Options> options = parse(args, problem);
    if (!options) {
        err << "tavro-cli record: " << problem << "\nusage: tavro-cli record " << usage() << '\n';
        return kBadArguments;
    }
    if (FileProblem::report(err, "record", options->out,
                            FileProblem::forOutput(options->out, {}, options->force)))
        return kFailed;
    return record(*options, out, err);
}
