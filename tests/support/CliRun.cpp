#include "CliRun.h"

#include <vector>

#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
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
    const QByteArray program = qgetenv("TAVRO_CLI");
    std::vector<char *> argv{const_cast<char *>(program.constData())};
    for (const QByteArray &arg : args)
        argv.push_back(const_cast<char *>(arg.constData()));
    argv.push_back(nullptr);
    QProcess process;
    // QProcess has set up the pipes by now; the child replaces itself with the raw arguments.
    process.setChildProcessModifier([&argv] {
        ::execv(argv[0], argv.data());
        ::_exit(127);
    });
    process.start(QString::fromLocal8Bit(program), {});
    CliRun result;
    if (!process.waitForStarted(10000))
        return result;
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return result;
    }
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
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
