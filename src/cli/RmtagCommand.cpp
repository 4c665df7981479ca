#include "RmtagCommand.h"

#include "FileProblem.h"
#include "Mp3FileRecord.h"

namespace {
bool removeTag(const QString &file, QTextStream &out, QTextStream &err)
{
    Mp3FileRecord record;
    record.setFullName(file);
    switch (record.RemoveTag()) {
    case 1: out << file << ": tag removed\n"; return true;
    case 0: out << file << ": no tag\n"; return true;
    default:
        out.flush();
        const QString problem = FileProblem::forReading(file);
        err << "tavro-cli rmtag: " << file << ": "
            << (problem.isEmpty() ? QStringLiteral("the tag could not be removed") : problem)
            << '\n';
        return false;
    }
}
} // namespace

int RmtagCommand::run(CliArguments &args, QTextStream &out, QTextStream &err)
{
    QStringList given;
    QStringList files;
    const QString unknown = args.takeSwitches({}, given, files);
    if (!unknown.isEmpty() || files.isEmpty()) {
        if (!unknown.isEmpty())
            err << "tavro-cli rmtag: unknown option " << unknown << '\n';
        err << "usage: tavro-cli rmtag " << usage() << '\n';
        return kBadArguments;
    }
    int status = 0;
    for (const QString &file : files) {
        if (!removeTag(file, out, err))
            status = kFailed;
    }
    return status;
}
