#include "RenameCommand.h"

#include <QCoreApplication>

#include "FileProblem.h"
#include "MessageBox.h"
#include "RenameJournal.h"
#include "TagRenamer.h"

namespace {
int undoLast(TagRenamer &renamer, QTextStream &out, QTextStream &err)
{
    int status = 0;
    bool any = false;
    QObject::connect(&renamer, &TagRenamer::renamed, [&](const TagRenamer::Result &result) {
        any = true;
        if (result.renamed()) {
            out << result.logLine() << '\n';
            return;
        }
        out.flush();
        err << "tavro-cli rename: " << result.logLine() << '\n';
        status = 1;
    });
    renamer.undoLast();
    if (!any) {
        err << "tavro-cli rename: nothing to undo\n";
        return 1;
    }
    return status;
}
} // namespace

QString RenameCommand::usage() const
{
    return QStringLiteral("--pattern P [--attach-time] [--dry-run] FILE... | --undo  rename after "
                          "the tag: %n title, %a artist, %t album, %y year, %g genre, %c comment, "
                          "%b bit rate, %f sample rate, %s seconds, %m m:ss; --dry-run only shows "
                          "the new names, --undo gives the last run's files their names back");
}

int RenameCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList files;
    QString pattern;
    bool attachTime = false;
    bool dryRun = false;
    bool undo = false;
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
        else if (arg == QLatin1String("--dry-run"))
            dryRun = true;
        else if (arg == QLatin1String("--undo"))
            undo = true;
        else
            known = false; // an unknown option, or --pattern without its pattern
    }
    // An empty pattern would name every file ".mp3".
    const bool renaming = !pattern.trimmed().isEmpty() && !files.isEmpty();
    if (!known || (undo ? renaming || dryRun || attachTime : !renaming)) {
        err << "usage: tavro-cli rename " << usage() << '\n';
        return 2;
    }
    RenameJournal journal;
    TagRenamer renamer(&journal);
    if (undo)
        return undoLast(renamer, out, err);
    int status = 0;
    for (const QString &file : files) {
        const TagRenamer::Result result = dryRun ? TagRenamer::preview(file, pattern, attachTime)
                                                 : renamer.rename(file, pattern, attachTime);
        // The console message box, as the renamer window shows them: "tavro: <notice>" on stderr.
        for (const QString &notice : result.notices)
            MessageBox::instance().show(notice, MessageBox::OkOnly,
                                        QCoreApplication::applicationName());
        if (result.renamed() || result.outcome == TagRenamer::Outcome::WouldRename) {
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
