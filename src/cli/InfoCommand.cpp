#include "InfoCommand.h"

#include "FileProblem.h"
#include "InfoReport.h"

QString InfoCommand::usage() const
{
    return QStringLiteral("[--json] FILE...  MPEG header and ID3v1 tag as the information window "
                          "shows them (--json: one object per file and line)");
}

int InfoCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList given;
    QStringList files;
    const QString unknown = args.takeSwitches({QStringLiteral("--json")}, given, files);
    if (!unknown.isEmpty() || files.isEmpty()) {
        if (!unknown.isEmpty())
            err << "tavro-cli info: unknown option " << unknown << '\n';
        err << "usage: tavro-cli info " << usage() << '\n';
        return kBadArguments;
    }
    const bool json = !given.isEmpty();
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
