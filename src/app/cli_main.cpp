#include <csignal>

#include <unistd.h>

#include <QCoreApplication>
#include <QTextStream>

#include "CliRegistry.h"
#include "ConsoleDevice.h"
#include "FileNameCodec.h"

namespace {
void printHelp(QTextStream &out)
{
    out << "Usage: tavro-cli COMMAND [ARGUMENTS]\n"
           "       tavro-cli --help | --version\n\n"
           "Commands:\n";
    for (const auto &command : CliRegistry::instance().all())
        out << "  " << command->name() << ' ' << command->usage() << '\n';
}
} // namespace

int main(int argc, char *argv[])
{
    // Over a file-size limit a write must fail with EFBIG, which the writers handle by putting the
    // file back, instead of the signal ending the process halfway through a write.
    std::signal(SIGXFSZ, SIG_IGN);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tavro"));
    // Paths come and go as the file system's bytes: QCoreApplication::arguments() and a stream
    // on stdout would turn a name that is not UTF-8 into U+FFFD, which names no file.
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
        printHelp(out);
        return args.isEmpty() ? 2 : 0;
    }
    if (args.first() == QLatin1String("--version")) {
        out << "tavro-cli " << TAVRO_VERSION << '\n';
        return 0;
    }
    const QString word = args.takeFirst();
    auto command = CliRegistry::instance().create(word);
    if (!command) {
        err << "tavro-cli: unknown command '" << word << "' (see tavro-cli --help)\n";
        return 2;
    }
    CliArguments arguments(args, command->valueOptions());
    if (arguments.helpAsked()) {
        out << "usage: tavro-cli " << word << ' ' << command->usage() << '\n';
        return 0;
    }
    return command->run(arguments, out, err);
}
