#include "CdCommand.h"

#include <optional>

#include <QElapsedTimer>
#include <QThread>

#include "CdPlayer.h"
#include "CliDisc.h"
#include "InterruptGuard.h"
#include "SoundCommandService.h"

namespace {
struct Options {
    QString drive;
    QString image;
    QString action;
    int track = 1;
    int fromSeconds = 0;
    std::optional<int> seconds;
};

bool takeNumber(const QString &option, QStringList &args, int least, int &value, QString &problem)
{
    bool ok = false;
    value = args.isEmpty() ? 0 : args.takeFirst().toInt(&ok);
    if (!ok || value < least)
        problem = option + QStringLiteral(" takes a whole number from %1").arg(least);
    return problem.isEmpty();
}

bool takeFrom(QStringList &args, int &seconds, QString &problem)
{
    const QStringList parts = args.isEmpty() ? QStringList() : args.takeFirst().split(u':');
    bool minutesOk = false, secondsOk = false;
    const int minutes = parts.size() == 2 ? parts[0].toInt(&minutesOk) : -1;
    const int rest = parts.size() == 2 ? parts[1].toInt(&secondsOk) : -1;
    if (!minutesOk || !secondsOk || minutes < 0 || rest < 0 || rest > 59)
        problem = QStringLiteral("--from takes MM:SS");
    seconds = minutes * 60 + rest;
    return problem.isEmpty();
}

void takeOption(const QString &arg, QStringList &args, Options &options, QString &problem)
{
    int seconds = 0;
    if ((arg == QLatin1String("--drive") || arg == QLatin1String("--image")) && args.isEmpty())
        problem = arg + QStringLiteral(" needs a value");
    else if (arg == QLatin1String("--drive"))
        options.drive = args.takeFirst();
    else if (arg == QLatin1String("--image"))
        options.image = args.takeFirst();
    else if (arg == QLatin1String("--track"))
        takeNumber(arg, args, 1, options.track, problem);
    else if (arg == QLatin1String("--from"))
        takeFrom(args, options.fromSeconds, problem);
    else if (arg == QLatin1String("--seconds") && takeNumber(arg, args, 0, seconds, problem))
        options.seconds = seconds;
    else if (problem.isEmpty())
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
        else if (options.action.isEmpty())
            options.action = arg;
        else
            problem = QStringLiteral("unexpected ") + arg;
    }
    const bool play = options.action == QLatin1String("play");
    if (problem.isEmpty() && !play && options.action != QLatin1String("status"))
        problem = QStringLiteral("needs status or play");
    if (problem.isEmpty() && !options.drive.isEmpty() && !options.image.isEmpty())
        problem = QStringLiteral("takes --drive or --image, not both");
    if (problem.isEmpty() && !play &&
        (options.track != 1 || options.fromSeconds || options.seconds))
        problem = QStringLiteral("--track, --from and --seconds belong to play");
    return problem.isEmpty() ? std::optional(options) : std::nullopt;
}

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

// As the CD player window shows it: the track, then minutes and seconds into it.
QString shownPosition(CdPlayer &player)
{
    const QString position = player.GetCDPosition();
    return QStringLiteral("Track %1 %2:%3")
        .arg(twoDigits(position.mid(0, 2).toInt()), twoDigits(position.mid(3, 2).toInt()),
             twoDigits(position.mid(6, 2).toInt()));
}

QByteArray deviceReply(SoundCommands &service, const char *command)
{
    char reply[40] = {};
    return service.mciSendString(command, reply, sizeof reply, 0) == 0 ? QByteArray(reply)
                                                                       : QByteArray();
}

int printStatus(CdPlayer &player, SoundCommands &service, QTextStream &out)
{
    out << "media present: " << (player.CheckCD() ? "true" : "false") << '\n'
        << "tracks: " << player.GetTotalNumberOfTracks() << '\n'
        << "length: " << player.GetCDLength() << '\n'
        << "mode: " << deviceReply(service, "status cd mode") << '\n';
    return 0;
}

// Frames of 1/75 second in an mm:ss:ff text.
int frames(const QByteArray &minutesSecondsFrames)
{
    const QList<QByteArray> parts = minutesSecondsFrames.split(':');
    return parts.size() == 3 ? (parts[0].toInt() * 60 + parts[1].toInt()) * 75 + parts[2].toInt()
                             : 0;
}

// Starts playing where the options say; false with the reason when that is not on the disc.
bool start(CdPlayer &player, SoundCommands &service, const Options &options, QString &problem)
{
    const int tracks = player.GetTotalNumberOfTracks();
    if (options.track > tracks) {
        problem = QStringLiteral("there is no track %1: the disc has %2 tracks")
                      .arg(options.track)
                      .arg(tracks);
        return false;
    }
    player.SetCDFormat_TMSF();
    const QByteArray length = deviceReply(
        service,
        QByteArray("status cd length track " + QByteArray::number(options.track)).constData());
    if (options.fromSeconds * 75 >= frames(length)) {
        problem = QStringLiteral("--from %1:%2 is past the end of track %3 (%4)")
                      .arg(twoDigits(options.fromSeconds / 60), twoDigits(options.fromSeconds % 60))
                      .arg(options.track)
                      .arg(QString::fromLatin1(length.left(5)));
        return false;
    }
    const QString command = QStringLiteral("play cd from %1:%2:%3:00")
                                .arg(options.track)
                                .arg(options.fromSeconds / 60)
                                .arg(options.fromSeconds % 60);
    if (service.mciSendString(command.toLatin1().constData(), nullptr, 0, 0) != 0) {
        problem = QStringLiteral("the disc does not play");
        return false;
    }
    return true;
}

// Until the time is up, the disc ends or the user interrupts; true unless interrupted.
bool playOut(CdPlayer &player, std::optional<int> seconds, QTextStream &out)
{
    constexpr int kPollMs = 50;
    QElapsedTimer clock;
    clock.start();
    qint64 printed = -1;
    while (!InterruptGuard::raised()) {
        const qint64 elapsed = clock.elapsed();
        if (elapsed / 1000 > printed) {
            printed = elapsed / 1000;
            out << shownPosition(player) << '\n';
            out.flush();
        }
        if ((seconds && elapsed >= *seconds * 1000LL) || !player.CheckIfCDIsPlaying())
            return true;
        QThread::msleep(kPollMs);
    }
    return false;
}

int play(CdPlayer &player, SoundCommands &service, const Options &options, QTextStream &out,
         QTextStream &err)
{
    const InterruptGuard guard;
    QString problem;
    if (!start(player, service, options, problem)) {
        err << "tavro-cli cd: " << problem << '\n';
        return CliCommand::kFailed;
    }
    const bool finished = playOut(player, options.seconds, out);
    player.StopTrack();
    player.UnloadAll();
    if (finished)
        return 0;
    err << "tavro-cli cd: interrupted\n";
    return CliCommand::kInterrupted;
}
} // namespace

QString CdCommand::usage() const
{
    return QStringLiteral(
        "[--drive D | --image X.cue] status | play [--track N] [--from MM:SS] [--seconds S]  "
        "show the disc's state, or play it out loud from track N (1 unless given)");
}

QStringList CdCommand::valueOptions() const
{
    return {QStringLiteral("--drive"), QStringLiteral("--image"), QStringLiteral("--track"),
            QStringLiteral("--from"), QStringLiteral("--seconds")};
}

int CdCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QString problem;
    const std::optional<Options> options = parse(args, problem);
    if (!options) {
        err << "tavro-cli cd: " << problem << "\nusage: tavro-cli cd " << usage() << '\n';
        return kBadArguments;
    }
    CliDisc disc;
    if (!disc.open(options->drive, options->image, problem)) {
        err << "tavro-cli cd: " << problem << '\n';
        return kFailed;
    }
    SoundCommandService service(SoundDevices(disc.settingsPath(), disc.driveNumber() - 1));
    CdPlayer player(service);
    if (!player.ReadyDevice()) {
        err << "tavro-cli cd: the CD device does not open\n";
        return kFailed;
    }
    const int status = options->action == QLatin1String("status")
                           ? printStatus(player, service, out)
                           : play(player, service, *options, out, err);
    player.UnloadAll();
    return status;
}
