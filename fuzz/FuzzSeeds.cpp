// Writes a seed corpus for every fuzz target into OUTDIR/<target>/, made by the test-file makers
// of the suite, so fuzzing starts from files the readers accept.
//   fuzz_seeds OUTDIR
#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include "Mp3Bytes.h"
#include "TestDisc.h"
#include "TestMedia.h"

namespace {
QByteArray made(const QTemporaryDir &work, const char *name, bool ok)
{
    if (!ok)
        qFatal("could not make %s", name);
    return TestMedia::readFile(work.filePath(QLatin1String(name)));
}

void seed(const QDir &out, const char *target, const char *name, const QByteArray &bytes)
{
    if (!out.mkpath(QLatin1String(target)) ||
        !TestMedia::writeFile(out.filePath(QLatin1String(target) + '/' + QLatin1String(name)),
                              bytes))
        qFatal("could not write a seed for %s", target);
}

QByteArray sheet(const QTemporaryDir &work, const QList<TestDisc::Track> &tracks)
{
    const QString cue = work.filePath(QStringLiteral("disc.cue"));
    if (!TestDisc::write(cue, tracks))
        qFatal("could not make a disc image");
    return TestMedia::readFile(cue);
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        qFatal("usage: fuzz_seeds OUTDIR");
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QTemporaryDir work;
    const QString mp3 = work.filePath(QStringLiteral("tone.mp3"));
    const QByteArray cbr =
        made(work, "tone.mp3", TestMedia::makeMp3(mp3, 0.3, {"-b", "32"}, 440, 22050, 1));
    const QByteArray vbr =
        made(work, "tone.mp3", TestMedia::makeMp3(mp3, 0.3, {"-V", "9"}, 440, 16000, 1));
    const QByteArray tag = Mp3Bytes::tag("So What", "Miles Davis", 8, '\0', "1959", "Kind of Blue");
    const QByteArray frames = Mp3Bytes::frames(0xfb, 0x90, 0x64, 417, 12);
    for (const char *target : {"mp3_header", "play_time", "id3v1_tag", "media_open"}) {
        seed(out, target, "cbr.mp3", cbr);
        seed(out, target, "vbr.mp3", vbr + tag);
        seed(out, target, "frames.mp3", QByteArray(300, '\0') + frames + tag);
    }
    seed(out, "wav_reader", "tone.wav",
         made(work, "tone.wav",
              TestMedia::makeWav(work.filePath(QStringLiteral("tone.wav")), 0.05, 440, 8000)));
    seed(out, "m3u_file", "list.m3u", "#EXTM3U\r\n/music/a.mp3\r\nb.mp3  \r\n\r\nc d.MP3\n");
    seed(out, "sound_command", "open", "open cdaudio alias cd wait shareable");
    seed(out, "sound_command", "status", "status cd length track 2 wait");
    seed(out, "sound_command", "seek", "set cd time format tmsf wait\nseek cd to 2:00:10:00");
    seed(out, "sound_command", "save", "save capture \"/tmp/a b.wav\"");
    seed(out, "cue_sheet", "three.cue", sheet(work, {{150, 440}, {200, 0}, {250, 880}}));
    seed(out, "cue_sheet", "one.cue", sheet(work, {{600, 440}}));
    seed(out, "toc_sheet", "two.toc",
         "CD_DA\nTRACK AUDIO\nFILE \"disc.bin\" 0 00:02:00\n"
         "TRACK AUDIO\nCOPY\nFILE \"disc.bin\" 00:02:00 00:03:00\nSTART 00:00:10\n");
    seed(out, "toc_sheet", "one.toc",
         "CD_DA\nCATALOG \"0123456789012\"\nTRACK AUDIO\nAUDIOFILE \"disc.bin\" 0\n");
    return 0;
}
