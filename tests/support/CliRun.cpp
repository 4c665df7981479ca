#include "CliRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include "TestMedia.h"

CliRun CliRun::run(const QStringList &args, const QByteArray &input)
{
    CliRun result;
    result.exitCode =
        TestMedia::run(qEnvironmentVariable("TAVRO_CLI"), args, &result.out, &result.err, input);
    return result;
}

CliRun CliRun::runBytes(const QList<QByteArray> &args)
{
    // QProcess would send Qt's UTF-8 encoding of each name: bash reads the bytes from a file.
    QTemporaryFile list;
    if (!list.open())
        return {};
    for (const QByteArray &arg : args)
        list.write(arg + '\0');
    list.flush();
    CliRun result;
    result.exitCode = TestMedia::run(
        "bash",
        {"-c",
         R"(a=(); while IFS= read -r -d '' x; do a+=("$x"); done < "$1"; exec "$0" "${a[@]}")",
         qEnvironmentVariable("TAVRO_CLI"), list.fileName()},
        &result.out, &result.err);
    return result;
}

namespace {
bool holdsUnnamedFile(qint64 pid, const QString &folder)
{
    const QString fds = QStringLiteral("/proc/%1/fd").arg(pid);
    for (const QString &fd : QDir(fds).entryList(QDir::AllEntries | QDir::System)) {
        const QString target = QFileInfo(fds + u'/' + fd).symLinkTarget();
        if (target.startsWith(folder) && target.endsWith(QLatin1String(" (deleted)")))
            return true;
    }
    return false;
}
} // namespace

bool CliRun::awaitUnnamedOutput(qint64 pid, const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    while (!holdsUnnamedFile(pid, folder)) {
        if (clock.elapsed() > 30000)
            return false;
        QThread::usleep(200);
    }
    return true;
}
