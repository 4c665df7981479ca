#pragma once

#include <QByteArray>
#include <QStringList>

// Runs the built tavro-cli (path from the TAVRO_CLI environment variable that ctest sets).
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static CliRun run(const QStringList &args, const QByteArray &input = {});
};
