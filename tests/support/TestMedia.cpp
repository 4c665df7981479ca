#include "TestMedia.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

int TestMedia::run(const QString &program, const QStringList &args, QByteArray *out,
                   QByteArray *err, const QByteArray &input)
{
    QProcess process;
    process.start(program, args);
    if (!process.waitForStarted(10000))
        return -1;
    if (!input.isEmpty())
        process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return -1;
    }
    const QByteArray stdOut = process.readAllStandardOutput();
    const QByteArray stdErr = process.readAllStandardError();
    if (out)
        *out = stdOut;
    if (err)
        *err = stdErr;
    if (process.exitStatus() != QProcess::NormalExit)
        return -1;
    return process.exitCode();
}

bool TestMedia::makeWav(const QString &path, double seconds, int frequency, int rate, int channels)
{
    const auto n = [](double value) { return QString::number(value); };
    QByteArray err;
    const int code = run("sox",
                         {"-n", "-r", n(rate), "-c", n(channels), "-b", "16", path, "synth",
                          n(seconds), "sine", n(frequency), "vol", "0.5"},
                         nullptr, &err);
    if (code != 0)
        std::fprintf(stderr, "sox failed: %s\n", err.constData());
    return code == 0;
}

bool TestMedia::makeMp3(const QString &path, double seconds, const QStringList &lameOptions,
                        int frequency, int rate, int channels)
{
    QTemporaryDir dir;
    const QString wav = dir.filePath("tone.wav");
    if (!makeWav(wav, seconds, frequency, rate, channels))
        return false;
    QByteArray err;
    const int code =
        run("lame", QStringList{"--quiet"} + lameOptions + QStringList{wav, path}, nullptr, &err);
    if (code != 0)
        std::fprintf(stderr, "lame failed: %s\n", err.constData());
    return code == 0;
}

QByteArray TestMedia::readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestMedia::writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool TestMedia::recordSink(QProcess &recorder)
{
    recorder.start("parec",
                   {"-d", "playback_tap", "--format=s16le", "--rate=44100", "--channels=2"});
    return recorder.waitForStarted(5000);
}

double TestMedia::peak(const QByteArray &samples)
{
    int highest = 0;
    const auto *sample = reinterpret_cast<const qint16 *>(samples.constData());
    for (qsizetype i = 0; i < samples.size() / 2; ++i)
        highest = std::max(highest, std::abs(int(sample[i])));
    return highest / 32768.0;
}
