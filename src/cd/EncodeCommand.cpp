#include "EncodeCommand.h"

#include "EncodingPresets.h"
#include "RaisedError.h"
#include "cLameEncoder.h"
#include "platform/console/CliRegistry.h"
#include "platform/console/ConsoleProgressBar.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {
static CliRegistrar<EncodeCommand> registrar;

constexpr int kFailed = 1;
constexpr int kBadArguments = 2;
constexpr int kInterrupted = 130;
constexpr int kMinBitrate = 8;
constexpr int kMaxBitrate = 320;

struct Options {
    QString in;
    QString out;
    int preset = 6; // standard, as the windows preselect
    std::optional<int> bitrate;
    bool force = false;
};

QString presetNames()
{
    QStringList names;
    for (const auto &preset : EncodingPresets::all())
        names << preset.name;
    return names.join(QStringLiteral(", "));
}

std::optional<Options> parse(QStringList args, QString &problem)
{
    Options options;
    QStringList files;
    while (!args.isEmpty()) {
        const QString arg = args.takeFirst();
        const bool takesValue = arg == QLatin1String("--preset") || arg == QLatin1String("--bitrate");
        if (takesValue && args.isEmpty()) {
            problem = arg + QStringLiteral(" needs a value");
            return std::nullopt;
        }
        if (arg == QLatin1String("--force")) {
            options.force = true;
        } else if (arg == QLatin1String("--preset")) {
            const QString value = args.takeFirst();
            const auto code = EncodingPresets::codeFor(value);
            if (!code) {
                problem = QStringLiteral("unknown preset '%1' (one of: %2, or its code)").arg(value, presetNames());
                return std::nullopt;
            }
            options.preset = *code;
        } else if (arg == QLatin1String("--bitrate")) {
            bool ok = false;
            const int kbps = args.first().toInt(&ok);
            if (!ok || kbps < kMinBitrate || kbps > kMaxBitrate) {
                problem = QStringLiteral("--bitrate takes kbit/s from %1 to %2").arg(kMinBitrate).arg(kMaxBitrate);
                return std::nullopt;
            }
            args.removeFirst();
            options.bitrate = kbps;
        } else if (arg.startsWith(QLatin1String("--"))) {
            problem = QStringLiteral("unknown option ") + arg;
            return std::nullopt;
        } else {
            files << arg;
        }
    }
    if (files.size() != 2) {
        problem = QStringLiteral("needs an input WAV file and an output MP3 file");
        return std::nullopt;
    }
    options.in = files.at(0);
    options.out = files.at(1);
    return options;
}

// Ctrl-C and termination only raise this flag while a run is on, so that the run can clean up.
volatile std::sig_atomic_t interrupted = 0;
extern "C" void onInterrupt(int) { interrupted = 1; }

struct PreviousHandlers {
    void (*interrupt)(int);
    void (*terminate)(int);
};

PreviousHandlers catchInterrupts()
{
    interrupted = 0;
    return {std::signal(SIGINT, onInterrupt), std::signal(SIGTERM, onInterrupt)};
}

void restoreHandlers(const PreviousHandlers &previous)
{
    std::signal(SIGINT, previous.interrupt);
    std::signal(SIGTERM, previous.terminate);
}

// A hidden name beside OUT, so that the final move stays on one file system.
QString partFileFor(const QString &out)
{
    const QFileInfo info(out);
    return info.dir().filePath(QStringLiteral(".%1.%2.part").arg(info.fileName()).arg(QCoreApplication::applicationPid()));
}

bool moveIntoPlace(const QString &part, const QString &out, bool force)
{
    if (!force)
        return QFile::rename(part, out); // refuses an OUT that appeared meanwhile
    return std::rename(QFile::encodeName(part).constData(), QFile::encodeName(out).constData()) == 0;
}

int encode(const Options &options, QTextStream &err)
{
    const QString part = partFileFor(options.out);
    cLameEncoder encoder;
    encoder.setEncodingPreset(options.preset);
    if (options.bitrate)
        encoder.setBitrate(*options.bitrate);
    encoder.setWavFile(options.in);
    encoder.setMp3File(part);

    const bool showBar = ConsoleProgressBar::stderrIsTerminal();
    ConsoleProgressBar bar(err, QStringLiteral("Encoding"));
    QObject::connect(&encoder, &cLameEncoder::Progress, [&](qint64 done, qint64 total, bool &cancel) {
        if (showBar)
            bar.update(done, total);
        cancel = interrupted != 0;
    });
    try {
        encoder.Encode();
    } catch (const RaisedError &error) {
        bar.finish();
        QFile::remove(part);
        err << "tavro-cli encode: " << error.description() << " (error " << error.number() << ", "
            << error.source() << ")\n";
        return kFailed;
    }
    bar.finish();
    if (interrupted) {
        QFile::remove(part);
        err << "tavro-cli encode: interrupted, " << options.out << " not written\n";
        return kInterrupted;
    }
    if (!moveIntoPlace(part, options.out, options.force)) {
        QFile::remove(part);
        err << "tavro-cli encode: cannot write " << options.out << '\n';
        return kFailed;
    }
    return 0;
}
} // namespace

QString EncodeCommand::usage() const
{
    return QStringLiteral("IN.wav OUT.mp3 [--preset NAME|CODE] [--bitrate K] [--force]  encode a 16-bit stereo "
                          "WAV file to MP3 (preset standard unless given)");
}

int EncodeCommand::run(const QStringList &args, QTextStream &, QTextStream &err)
{
    QString problem;
    const auto options = parse(args, problem);
    if (!options) {
        err << "tavro-cli encode: " << problem << "\nusage: tavro-cli encode " << usage() << '\n';
        return kBadArguments;
    }
    if (!QFileInfo(options->in).isFile()) {
        err << "tavro-cli encode: " << options->in << ": no such file\n";
        return kFailed;
    }
    if (QFileInfo(options->out).exists() && !options->force) {
        err << "tavro-cli encode: " << options->out << " already exists (--force replaces it)\n";
        return kFailed;
    }
    const PreviousHandlers previous = catchInterrupts();
    const int status = encode(*options, err);
    restoreHandlers(previous);
    return status;
}
