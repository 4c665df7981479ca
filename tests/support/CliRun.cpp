#include "CliRun.h"

#include "TestMedia.h"

CliRun CliRun::run(const QStringList &args, const QByteArray &input)
{
    CliRun result;
    result.exitCode =
        TestMedia::run(qEnvironmentVariable("TAVRO_CLI"), args, &result.out, &result.err, input);
    return result;
}
