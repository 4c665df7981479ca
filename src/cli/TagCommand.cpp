#include "TagCommand.h"

#include <functional>
#include <map>

#include "FileProblem.h"
#include "Mp3FileRecord.h"

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

using Fields = QList<std::pair<QString, QString>>; // option, value

bool tag(const QString &file, const Fields &fields, QTextStream &err)
{
    // The tag's place is found by reading the file, so one that cannot be read is refused.
    if (FileProblem::report(err, "tag", file, FileProblem::forReading(file)))
        return false;
    Mp3FileRecord record;
    record.setFullName(file);
    record.ReadMP3Info();
    for (const auto &[option, value] : fields) {
        if (!setters().at(option)(record, value)) {
            err << "tavro-cli tag: " << file << ": the tag could not be written\n";
            return false;
        }
    }
    return true;
}
} // namespace

QString TagCommand::usage() const
{
    return QStringLiteral("FILE... [--title T] [--artist A] [--album B] [--year Y] [--comment C] "
                          "[--genre G]  write ID3v1 fields");
}

QStringList TagCommand::valueOptions() const
{
    QStringList options;
    for (const auto &[option, setter] : setters())
        options << option;
    return options;
}

int TagCommand::run(CliArguments &args, QTextStream &, QTextStream &err)
{
    QStringList files;
    Fields fields;
    while (!args.atEnd()) {
        const bool option = args.atOption();
        const QString arg = args.take();
        if (!option) {
            files << arg;
        } else if (!setters().count(arg)) {
            err << "tavro-cli tag: unknown option " << arg << '\n';
            return kBadArguments;
        } else if (args.rest().isEmpty()) {
            fields.clear(); // the last field has no value
        } else {
            fields.append({arg, args.rest().takeFirst()});
        }
    }
    if (files.isEmpty() || fields.isEmpty()) {
        err << "usage: tavro-cli tag " << usage() << '\n';
        return kBadArguments;
    }
    int status = 0;
    for (const QString &file : files) {
        if (!tag(file, fields, err))
            status = kFailed;
    }
    return status;
}
