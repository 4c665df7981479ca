#include "RenameCommand.h"

#include <QCoreApplication>

#include "CliRegistry.h"
#include "FileProblem.h"
#include "MessageBox.h"
#include "TagRenamer.h"

static CliRegistrar<RenameCommand> registrar;

QString RenameCommand::usage() const
{
    return QStringLiteral("--pattern P [--attach-time] FILE...  rename after the tag: %n title, "
                          "%a artist, %t album, %y year, %g genre, %c comment, %b bit rate, "
                          "%f sample rate, %s seconds, %m m:ss");
}

int RenameCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList files;
    QString pattern;
    bool attachTime = false;
    bool known = true;
    while (!args.atEnd() && known) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (!option)
            files << arg;
        else if (arg == QLatin1String("--pattern") && !args.rest().isEmpty())
            pattern = args.rest().takeFirst();
        else if (arg == QLatin1String("--attach-time"))
            attachTime = true;
        else
            known = false; // an unknown option, or --pattern without its pattern
    }
    // An empty pattern would name every file ".mp3".
    if (!known || pattern.trimmed().isEmpty() || files.isEmpty()) {
        err << "usage: tavro-cli rename " << usage() << '\n';
        return 2;
    }
    int status = 0;
    for (const QString &file : files) {
        const TagRenamer::Result result = TagRenamer::renameOne(file, pattern, attachTime);
        // The console message box, as the renamer window shows them: "tavro: <notice>" on stderr.
        for (const QString &notice : result.notices)
            MessageBox::instance().show(notice, MessageBox::OkOnly,
                                        QCoreApplication::applicationName());
        if (result.renamed()) {
            out << result.logLine() << '\n';
        } else {
            out.flush();
            QString problem = FileProblem::forReading(file);
            if (problem.isEmpty() && result.outcome == TagRenamer::Outcome::Failed)
                problem = FileProblem::forWriting(file);
            err << "tavro-cli rename: " << file << ": not renamed, "
                << (problem.isEmpty() ? result.reason() : problem) << '\n';
            status = 1;
        }
    }
    return status;
}
