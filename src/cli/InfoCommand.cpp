#include "InfoCommand.h"

#include "CliRegistry.h"
#include "FileProblem.h"
#include "InfoReport.h"

static CliRegistrar<InfoCommand> registrar;

QString InfoCommand::usage() const
{
    return QStringLiteral("[--json] FILE...  MPEG header and ID3v1 tag as the information window "
                          "shows them (--json: one object per file and line)");
}

int InfoCommand::run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList files = args;
    const bool json = !files.isEmpty() && files.first() == QLatin1String("--json");
    if (json)
        files.removeFirst();
    if (!files.isEmpty() && files.first() == QLatin1String("--"))
        files.removeFirst();
    if (files.isEmpty()) {
        err << "usage: tavro-cli info " << usage() << '\n';
        return 2;
    }
    int status = 0;
    for (const QString &file : files) {
        const InfoReport report(file);
        if (json)
            out << report.json() << '\n';
        else
            out << (&file == &files.first() ? QString() : QStringLiteral("\n")) << report.text();
        // An unreadable file shows blank fields, which must not pass for an empty one.
        out.flush();
        if (FileProblem::report(err, "info", file, FileProblem::forReading(file)))
            status = 1;
    }
    return status;
}
