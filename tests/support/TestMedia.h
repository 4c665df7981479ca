#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Makes audio files at test time with Debian's sox and lame. Each returns false (and prints why)
// when the tool fails.
class TestMedia {
public:
    // A sine tone of the given length; 16-bit PCM WAV.
    static bool makeWav(const QString &path, double seconds, int frequency = 440, int rate = 44100,
                        int channels = 2);
    // The same tone encoded by lame with the given options (for example {"-b", "128"} or {"-V",
    // "2"}).
    static bool makeMp3(const QString &path, double seconds, const QStringList &lameOptions,
                        int frequency = 440, int rate = 44100, int channels = 2);
    // Runs a program; returns its exit code, -1 when it could not run. Output is collected.
    static int run(const QString &program, const QStringList &args, QByteArray *out = nullptr,
                   QByteArray *err = nullptr, const QByteArray &input = {});
    static QByteArray readFile(const QString &path);
    static bool writeFile(const QString &path, const QByteArray &bytes);
};
