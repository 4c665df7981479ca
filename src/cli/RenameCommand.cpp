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

int RenameCommand::run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    QStringList files = args;
    QString pattern;
    if (files.size() >= 2 && files.first() == QLatin1String("--pattern")) {
        pattern = files[1];
        files.remove(0, 2);
    }
    const bool attachTime = !files.isEmpty() && files.first() == QLatin1String("--attach-time");
    if (attachTime)
        files.removeFirst();
    // An empty pattern would name every file ".mp3".
    if (pattern.trimmed().isEmpty() || files.isEmpty()) {
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
