#include "RenameCommand.h"

#include "RenamePattern.h"
#include "clsMP3.h"
#include "platform/console/CliRegistry.h"

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
    RenamePattern::AttachTime = attachTime ? 1 : 0;
    int status = 0;
    for (const QString &file : files)
        status = renameOne(file, pattern, out, err) != 0 ? 1 : status;
    return status;
}

int RenameCommand::renameOne(const QString &file, const QString &pattern, QTextStream &out,
                             QTextStream &err)
{
    clsMP3 record;
    record.setFullName(file);
    if (record.ReadMP3Info() == QVariant(-1)) {
        err << "tavro-cli rename: " << file << ": no such file\n";
        return 1;
    }
    const QString oldName = record.Filename();
    QString newName = pattern;
    const QVariant result = record.RenameFile(newName);
    if (!result.isValid()) {
        err << "tavro-cli rename: " << file << ": no ID3v1 tag, not renamed\n";
        return 1;
    }
    if (result.toInt() != 1) {
        err << "tavro-cli rename: " << file << ": not renamed, " << record.Path() + newName
            << " exists or cannot be made\n";
        return 1;
    }
    out << record.Path() << oldName << " renamed to " << record.Path() << record.Filename() << '\n';
    return 0;
}
