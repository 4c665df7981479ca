#include "TagCommand.h"

#include <functional>
#include <map>

#include "clsMP3.h"
#include "platform/console/CliRegistry.h"

static CliRegistrar<TagCommand> registrar;

namespace {
using Setter = std::function<bool(clsMP3 &, const QString &)>;

const std::map<QString, Setter> &setters()
{
    static const std::map<QString, Setter> map = {
        {QStringLiteral("--title"), &clsMP3::setTitle},
        {QStringLiteral("--artist"), &clsMP3::setArtist},
        {QStringLiteral("--album"), &clsMP3::setAlbum},
        {QStringLiteral("--year"), &clsMP3::setYear},
        {QStringLiteral("--comment"), &clsMP3::setComment},
        {QStringLiteral("--genre"), &clsMP3::setGenre},
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
    clsMP3 record;
    record.setFullName(args.first());
    if (record.ReadMP3Info() == QVariant(-1)) {
        err << "tavro-cli tag: " << args.first() << ": no such file\n";
        return 1;
    }
    for (qsizetype i = 1; i < args.size(); i += 2) {
        if (!setters().at(args[i])(record, args[i + 1])) {
            err << "tavro-cli tag: " << args.first() << ": the tag could not be written\n";
            return 1;
        }
    }
    return 0;
}
