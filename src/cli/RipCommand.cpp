#include "RipCommand.h"

#include <optional>

#include <QHash>

#include "CdRipSettings.h"
#include "CdToMp3Job.h"
#include "CliDisc.h"
#include "ConsoleProgressBar.h"
#include "EncoderCliOptions.h"
#include "FileProblem.h"
#include "ImageSheet.h"
#include "InterruptGuard.h"
#include "RaisedError.h"
#include "RegularFile.h"
#include "WavToMp3Encoder.h"

namespace {
struct Options {
    QString drive;
    QString image;
    QList<int> tracks; // track numbers as the table shows them
    bool all = false;
    EncoderCliOptions encoder;
    bool force = false;
    int jobs = 0; // the settings file's number unless given
    QString out;
};

bool takeValue(const QString &arg, QStringList &args, QString &value, QString &problem)
{
    if (args.isEmpty())
        problem = arg + QStringLiteral(" needs a value");
    else
        value = args.takeFirst();
    return problem.isEmpty();
}

void takeOption(const QString &arg, QStringList &args, Options &options, QString &problem)
{
    QString value;
    if (arg == QLatin1String("--drive")) {
        takeValue(arg, args, options.drive, problem);
    } else if (arg == QLatin1String("--image")) {
        takeValue(arg, args, options.image, problem);
    } else if (arg == QLatin1String("--track")) {
        bool ok = false;
        const int track = takeValue(arg, args, value, problem) ? value.toInt(&ok) : 0;
        // A track given twice is still one track: it is ripped once, to its one file.
        if (ok && track >= 1 && track <= 99) {
            if (!options.tracks.contains(track))
                options.tracks << track;
        } else if (problem.isEmpty()) {
            problem = QStringLiteral("--track takes a track number from 1 to 99");
        }
    } else if (arg == QLatin1String("--jobs")) {
        bool ok = false;
        const int jobs = takeValue(arg, args, value, problem) ? value.toInt(&ok) : 0;
        if (ok && jobs >= 1 && jobs <= CdRipSettings::kMaxEncoderJobs)
            options.jobs = jobs;
        else if (problem.isEmpty())
            problem = QStringLiteral("--jobs takes a number of encoders from 1 to %1")
                          .arg(CdRipSettings::kMaxEncoderJobs);
    } else if (arg == QLatin1String("--all")) {
        options.all = true;
    } else if (arg == QLatin1String("--force")) {
        options.force = true;
    } else if (!options.encoder.take(arg, args, problem)) {
        problem = QStringLiteral("unknown option ") + arg;
    }
}

std::optional<Options> parse(CliArguments &args, QString &problem)
{
    Options options;
    QStringList files;
    while (!args.atEnd() && problem.isEmpty()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (option)
            takeOption(arg, args.rest(), options, problem);
        else
            files << arg;
    }
    if (problem.isEmpty() && files.size() != 1)
        problem = QStringLiteral("needs one output file");
    if (problem.isEmpty() && options.tracks.isEmpty() == !options.all)
        problem = QStringLiteral("needs --track N or --all");
    if (problem.isEmpty() && !options.drive.isEmpty() && !options.image.isEmpty())
        problem = QStringLiteral("takes --drive or --image, not both");
    if (!problem.isEmpty())
        return std::nullopt;
    options.out = files.first();
    return options;
}

// Positions in the table of the tracks asked for; empty with the reason in problem.
QList<qint32> positions(const DiscToc &toc, const Options &options, QString &problem)
{
    QList<qint32> found;
    for (qint32 i = 1; i <= toc.Count(); ++i) {
        if (options.all || options.tracks.contains(toc.Entry(i).TrackNumber()))
            found << i;
    }
    if (found.size() < (options.all ? 1 : options.tracks.size()))
        problem = QStringLiteral("no such track on the disc");
    return found;
}

// One progress bar for the whole run, when standard error is a terminal: each track counts its
// ripping and its encoding (interleaved when several encoders work) as half of its share.
class Progress {
public:
    Progress(QTextStream &err, const QString &label, int tracks)
        : m_err(err), m_show(ConsoleProgressBar::stderrIsTerminal()), m_label(label),
          m_tracks(tracks)
    {
    }
    // fraction 0..1 of the track's step; encoding false is ripping.
    void update(quint8 track, bool encoding, double fraction)
    {
        if (!m_show)
            return;
        m_done[track * 2 + encoding] = fraction;
        if (!m_bar)
            m_bar.emplace(m_err, m_label);
        double done = 0;
        for (const double step : m_done)
            done += step;
        m_bar->update(qint64(done * 1000), qint64(m_tracks) * 2000);
    }
    void finish()
    {
        if (m_bar)
            m_bar->finish();
        m_bar.reset();
    }

private:
    QTextStream &m_err;
    bool m_show;
    QString m_label;
    int m_tracks;
    QHash<int, double> m_done;
    std::optional<ConsoleProgressBar> m_bar;
};

// The output that is the image's sheet or its BIN, if any: those are read while ripping.
QString inputAmong(const QStringList &outputs, const QString &image)
{
    ImageSheet sheet;
    const QStringList inputs{image, sheet.read(image) ? sheet.binPath() : QString()};
    for (const QString &output : outputs) {
        for (const QString &input : inputs) {
            if (!input.isEmpty() && RegularFile::sameFile(output, input))
                return output;
        }
    }
    return {};
}

int rip(const Options &options, CdDrive &drive, QTextStream &out, QTextStream &err)
{
    QString problem;
    const DiscToc toc = drive.TOC();
    const QList<qint32> tracks = positions(toc, options, problem);
    if (!problem.isEmpty()) {
        err << "tavro-cli rip: " << problem << '\n';
        return CliCommand::kFailed;
    }
    if (FileProblem::report(err, "rip", options.out, FileProblem::forWriting(options.out)))
        return CliCommand::kFailed;
    WavToMp3Encoder encoder;
    options.encoder.applyTo(encoder);
    CdToMp3Job job(toc, encoder);
    job.setTracks(tracks);
    job.setOutputFile(options.out);
    if (const QString input = inputAmong(job.outputFiles(), options.image); !input.isEmpty()) {
        err << "tavro-cli rip: " << input
            << " is an input of the disc image; it is never replaced\n";
        return CliCommand::kFailed;
    }
    if (options.force)
        job.setReplaceable(job.outputFiles());
    if (options.out.endsWith(QLatin1String(".wav"), Qt::CaseInsensitive))
        job.setFormat(CdToMp3Job::Format::Wav);

    CdRipSettings settings;
    settings.load(CdRipSettings::defaultPath());
    job.setJobs(options.jobs > 0 ? options.jobs : settings.encoders());
    Progress progress(err,
                      job.format() == CdToMp3Job::Format::Wav
                          ? QStringLiteral("Ripping")
                          : QStringLiteral("Ripping and encoding"),
                      int(tracks.size()));
    QObject::connect(&job, &CdToMp3Job::ripProgress, [&](quint8 track, qint32 percent) {
        // A WAV run has no encoding: its ripping counts whole.
        progress.update(track, false, percent / 100.0);
        if (job.format() == CdToMp3Job::Format::Wav)
            progress.update(track, true, percent / 100.0);
        if (InterruptGuard::raised())
            job.cancel();
    });
    QObject::connect(&job, &CdToMp3Job::encodeProgress,
                     [&](quint8 track, qint64 done, qint64 total) {
                         progress.update(track, true, total > 0 ? double(done) / total : 1.0);
                         if (InterruptGuard::raised())
                             job.cancel();
                     });
    QObject::connect(&job, &CdToMp3Job::trackFinished, [&](quint8, const QString &file) {
        progress.finish();
        out << file << '\n';
        out.flush();
    });
    const CdToMp3Job::Result result = job.run();
    progress.finish();
    if (result.outcome == CdToMp3Job::Outcome::Cancelled) {
        err << "tavro-cli rip: interrupted; the track being ripped was not written\n";
        return CliCommand::kInterrupted;
    }
    if (result.outcome == CdToMp3Job::Outcome::Failed) {
        err << "tavro-cli rip: " << result.error << '\n';
        return CliCommand::kFailed;
    }
    return 0;
}
} // namespace

QString RipCommand::usage() const
{
    return QStringLiteral(
               "[--drive D | --image IMAGE.cue] (--track N ... | --all) %1 [--jobs N] [--force] "
               "OUT.mp3|OUT.wav  rip "
               "CD tracks to MP3 (or WAV); several tracks go to \"OUT - Track NN.mp3\", "
               "or to OUT with %N "
               "replaced by NN")
        .arg(EncoderCliOptions::usage());
}

QStringList RipCommand::valueOptions() const
{
    return QStringList{QStringLiteral("--drive"), QStringLiteral("--image"),
                       QStringLiteral("--track"), QStringLiteral("--jobs")} +
           EncoderCliOptions::valueOptions();
}

int RipCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QString problem;
    const auto options = parse(args, problem);
    if (!options) {
        err << "tavro-cli rip: " << problem << "\nusage: tavro-cli rip " << usage() << '\n';
        return CliCommand::kBadArguments;
    }
    const InterruptGuard guard;
    CliDisc disc;
    if (!disc.open(options->drive, options->image, problem)) {
        err << "tavro-cli rip: " << problem << '\n';
        return CliCommand::kFailed;
    }
    try {
        return rip(*options, disc.drive(), out, err);
    } catch (const RaisedError &error) {
        err << "tavro-cli rip: " << error.text() << '\n';
        return CliCommand::kFailed;
    }
}
