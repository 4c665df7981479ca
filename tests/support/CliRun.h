#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Runs the built tavro-cli (path from the TAVRO_CLI environment variable that ctest sets).
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static CliRun run(const QStringList &args, const QByteArray &input = {});
    // The arguments exactly as these bytes (QProcess would send Qt's UTF-8 encoding of a name).
    static CliRun runBytes(const QList<QByteArray> &args);
};
