#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Runs the built tavro-cli (path from the TAVRO_CLI environment variable that ctest sets).
struct CliRun {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static CliRun run(const QStringList &args, const QByteArray &input = {});
    // The arguments exactly as these bytes (QProcess would send Qt's UTF-8 encoding of a name).
    static CliRun runBytes(const QList<QByteArray> &args);
    // Waits until a started tavro-cli holds an unnamed file (an output being written) in folder
    // or below it; false when none came within 30 s.
    static bool awaitUnnamedOutput(qint64 pid, const QString &folder);
};
