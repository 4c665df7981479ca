#include "TocCommand.h"

#include "CliDisc.h"
#include "FileEntry.h"
#include "RaisedError.h"
#include "TrackRowTexts.h"

namespace {
void print(const DiscToc &toc, const QString &driveName, QTextStream &out)
{
    out << "Drive: " << driveName << '\n';
    out << QStringLiteral("%1 %2 %3 %4 %5\n")
               .arg(QStringLiteral("Track"), 5)
               .arg(QStringLiteral("Start"), 9)
               .arg(QStringLiteral("Length"), 9)
               .arg(QStringLiteral("Size(MB)"), 10)
               .arg(QStringLiteral("Bytes"), 11);
    for (qint32 i = 1; i <= toc.Count(); ++i) {
        const DiscTocEntry &entry = toc.Entry(i);
        out << QStringLiteral("%1 %2 %3 %4 %5\n")
                   .arg(entry.TrackNumber(), 5)
                   .arg(entry.FormattedStartTime(), 9)
                   .arg(entry.FormattedLength(), 9)
                   .arg(TrackRowTexts::Size(entry), 10)
                   .arg(entry.SizeBytes(), 11);
    }
    out << toc.CDDBQuery() << '\n';
}
} // namespace

QString TocCommand::usage() const
{
    return QStringLiteral(
        "[DRIVE|IMAGE.cue]  list the tracks of a CD (drive number or name; the first drive unless "
        "given) or of a disc image, and the CDDB query text");
}

int TocCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList given;
    QStringList operands;
    if (!args.takeSwitches({}, given, operands).isEmpty() || operands.size() > 1) {
        err << "tavro-cli toc: takes one drive or disc image\nusage: tavro-cli toc " << usage()
            << '\n';
        return 2;
    }
    const QString which = operands.value(0);
    const bool isImage = FileEntry::kind(which) == FileEntry::Kind::File;
    CliDisc disc;
    QString problem;
    if (!disc.open(isImage ? QString() : which, isImage ? which : QString(), problem)) {
        err << "tavro-cli toc: " << problem << '\n';
        return 1;
    }
    try {
        print(disc.drive().TOC(), disc.drive().Name(), out);
    } catch (const RaisedError &error) {
        err << "tavro-cli toc: " << error.text() << '\n';
        return 1;
    }
    return 0;
}
