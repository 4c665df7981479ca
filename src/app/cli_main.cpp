#include <csignal>
#include <cstdio>

#include <QCoreApplication>
#include <QTextStream>

#include "CliRegistry.h"

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
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = QCoreApplication::arguments().mid(1);
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
    return command->run(args, out, err);
}
