#include "RmtagCommand.h"

#include "CliRegistry.h"
#include "FileProblem.h"
#include "Mp3FileRecord.h"

static CliRegistrar<RmtagCommand> registrar;

int RmtagCommand::run(const QStringList &args, QTextStream &out, QTextStream &err)
{
    if (args.size() != 1) {
        err << "usage: tavro-cli rmtag " << usage() << '\n';
        return 2;
    }
    const QString &file = args.first();
    Mp3FileRecord record;
    record.setFullName(file);
    switch (record.RemoveTag()) {
    case 1: out << file << ": tag removed\n"; return 0;
    case 0: out << file << ": no tag\n"; return 0;
    default:
        const QString problem = FileProblem::forReading(file);
        err << "tavro-cli rmtag: " << file << ": "
            << (problem.isEmpty() ? QStringLiteral("the tag could not be removed") : problem)
            << '\n';
        return 1;
    }
}
