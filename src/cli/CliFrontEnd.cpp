#include "CliFrontEnd.h"

#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>

#include "ConsoleDevice.h"
#include "FileNameCodec.h"

extern char **environ;

namespace {
// Asks the other program for its command lines; this word is not for users.
const char kListWord[] = "--command-lines";

// What a program prints on standard output, or nothing when it cannot be run.
QByteArray outputOf(const QByteArray &program, const char *word)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    char *args[] = {const_cast<char *>(program.constData()), const_cast<char *>(word), nullptr};
    pid_t child = 0;
    const bool started =
        posix_spawn(&child, program.constData(), &actions, nullptr, args, environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    QByteArray output;
    char buffer[4096];
    for (ssize_t got; started && (got = read(pipeEnds[0], buffer, sizeof buffer)) != 0;) {
        if (got > 0)
            output.append(buffer, got);
        else if (errno != EINTR)
            break;
    }
    close(pipeEnds[0]);
    int status = 0;
    if (started)
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    return output;
}
} // namespace

CliFrontEnd::CliFrontEnd(const CliRegistry &commands) : m_commands(commands) {}

QStringList CliFrontEnd::commandLines() const
{
    QStringList lines;
    for (const auto &command : m_commands.all())
        lines << QLatin1String("  ") + command->name() + QLatin1Char(' ') + command->usage();
    if (m_locateOther) {
        for (const QByteArray &line : outputOf(m_locateOther(), kListWord).split('\n'))
            if (!line.isEmpty())
                lines << QString::fromUtf8(line);
        lines.sort();
    }
    return lines;
}

int CliFrontEnd::runOther(char *argv[], QTextStream &err) const
{
    const QByteArray other = m_locateOther();
    err.flush();
    execv(other.constData(), argv);
    err << "tavro-cli: cannot run " << FileNameCodec::decode(other) << ": "
        << QString::fromLocal8Bit(std::strerror(errno)) << '\n';
    return CliCommand::kFailed;
}

int CliFrontEnd::run(int argc, char *argv[])
{
    // Over a file-size limit a write must fail with EFBIG, which the writers handle by putting the
    // file back, instead of the signal ending the process halfway through a write.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication::setApplicationName(QStringLiteral("tavro"));
    // Paths come and go as the file system's bytes: a stream on stdout would turn a name that is
    // not UTF-8 into U+FFFD, which names no file.
    ConsoleDevice outDevice(STDOUT_FILENO);
    ConsoleDevice errDevice(STDERR_FILENO);
    QTextStream out;
    QTextStream err;
    outDevice.attach(out);
    errDevice.attach(err);

    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << FileNameCodec::decode(argv[i]);
    if (args.isEmpty() || args.first() == QLatin1String("--help") ||
        args.first() == QLatin1String("-h")) {
        out << "Usage: tavro-cli COMMAND [ARGUMENTS]\n"
               "       tavro-cli --help | --version\n\n"
               "Commands:\n"
            << commandLines().join(QLatin1Char('\n')) << '\n';
        return args.isEmpty() ? CliCommand::kBadArguments : 0;
    }
    if (args.first() == QLatin1String(kListWord)) {
        for (const QString &line : commandLines())
            out << line << '\n';
        return 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "tavro-cli " << TAVRO_VERSION << '\n';
        return 0;
    }
    const QString word = args.takeFirst();
    const auto command = m_commands.create(word);
    if (!command) {
        if (m_locateOther)
            return runOther(argv, err);
        err << "tavro-cli: unknown command '" << word << "' (see tavro-cli --help)\n";
        return CliCommand::kBadArguments;
    }
    CliArguments arguments(args, command->valueOptions());
    if (arguments.helpAsked()) {
        out << "usage: tavro-cli " << word << ' ' << command->usage() << '\n';
        return 0;
    }
    return command->run(arguments, out, err);
}
