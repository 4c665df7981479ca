#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QProcess;

// Makes audio files at test time with Debian's sox and lame (false, and why on stderr, when the
// tool fails), and listens to what reaches the test sound server.
class TestMedia {
public:
    // A sine tone of the given length; 16-bit PCM WAV.
    static bool makeWav(const QString &path, double seconds, int frequency = 440, int rate = 44100,
                        int channels = 2);
    // The same tone encoded by lame with the given options (for example {"-V", "2"}).
    static bool makeMp3(const QString &path, double seconds,
                        const QStringList &lameOptions = {QStringLiteral("-b"),
                                                          QStringLiteral("128")},
                        int frequency = 440, int rate = 44100, int channels = 2);
    // Starts recording what reaches the private sound server's null sink ("playback_tap", see
    // scripts/pulse-session.sh) as 16-bit stereo; false when parec does not start.
    static bool recordSink(QProcess &recorder);
    // The largest magnitude among 16-bit samples, from 0 to 1.
    static double peak(const QByteArray &samples);
    // Runs a program; returns its exit code, -1 when it could not run. Output is collected.
    static int run(const QString &program, const QStringList &args, QByteArray *out = nullptr,
                   QByteArray *err = nullptr, const QByteArray &input = {});
    static QByteArray readFile(const QString &path);
    static bool writeFile(const QString &path, const QByteArray &bytes);
};
