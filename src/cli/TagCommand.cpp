#include "TagCommand.h"

#include <functional>
#include <map>

#include "CliRegistry.h"
#include "FileProblem.h"
#include "Mp3FileRecord.h"

static CliRegistrar<TagCommand> registrar;

namespace {
using Setter = std::function<bool(Mp3FileRecord &, const QString &)>;

const std::map<QString, Setter> &setters()
{
    static const std::map<QString, Setter> map = {
        {QStringLiteral("--title"), &Mp3FileRecord::setTitle},
        {QStringLiteral("--artist"), &Mp3FileRecord::setArtist},
        {QStringLiteral("--album"), &Mp3FileRecord::setAlbum},
        {QStringLiteral("--year"), &Mp3FileRecord::setYear},
        {QStringLiteral("--comment"), &Mp3FileRecord::setComment},
        {QStringLiteral("--genre"), &Mp3FileRecord::setGenre},
    };
    return map;
}
} // namespace

QString TagCommand::usage() const
{
    return QStringLiteral("FILE [--title T] [--artist A] [--album B] [--year Y] [--comment C] "
                          "[--genre G]  write ID3v1 fields");
}

int TagCommand::run(const QStringList &args, QTextStream &, QTextStream &err)
{
    const bool pairs = args.size() >= 3 && args.size() % 2 == 1;
    for (qsizetype i = 1; pairs && i < args.size(); i += 2) {
        if (!setters().count(args[i])) {
            err << "tavro-cli tag: unknown option " << args[i] << '\n';
            return 2;
        }
    }
    if (!pairs) {
        err << "usage: tavro-cli tag " << usage() << '\n';
        return 2;
    }
    // The tag's place is found by reading the file, so one that cannot be read is refused.
    if (FileProblem::report(err, "tag", args.first(), FileProblem::forReading(args.first())))
        return 1;
    Mp3FileRecord record;
    record.setFullName(args.first());
    record.ReadMP3Info();
    for (qsizetype i = 1; i < args.size(); i += 2) {
        if (!setters().at(args[i])(record, args[i + 1])) {
            err << "tavro-cli tag: " << args.first() << ": the tag could not be written\n";
            return 1;
        }
    }
    return 0;
}
