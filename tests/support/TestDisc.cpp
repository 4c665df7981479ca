#include "TestDisc.h"

#include <cmath>
#include <numbers>

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

#include "TestMedia.h"

namespace {
QByteArray tone(const TestDisc::Track &track)
{
    const int frames = track.sectors * TestDisc::kSectorBytes / 4;
    QByteArray bytes(track.sectors * TestDisc::kSectorBytes, '\0');
    if (track.frequency == 0)
        return bytes;
    for (int n = 0; n < frames; ++n) {
        const double phase = 2.0 * std::numbers::pi * track.frequency * n / 44100.0;
        qToLittleEndian<qint16>(qint16(std::lround(16000.0 * std::sin(phase))),
                                bytes.data() + 4 * n);
        qToLittleEndian<qint16>(qint16(std::lround(9000.0 * std::sin(phase + 1.0))),
                                bytes.data() + 4 * n + 2);
    }
    return bytes;
}

QString msf(int sector)
{
    return QStringLiteral("%1:%2:%3")
        .arg(sector / 4500, 2, 10, QLatin1Char('0'))
        .arg(sector / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(sector % 75, 2, 10, QLatin1Char('0'));
}
} // namespace

bool TestDisc::write(const QString &cuePath, const QList<Track> &tracks)
{
    const QFileInfo cue(cuePath);
    const QString bin = cue.completeBaseName() + QStringLiteral(".bin");
    QByteArray audio;
    QString sheet = QStringLiteral("FILE \"%1\" BINARY\n").arg(bin);
    for (int i = 0; i < tracks.size(); ++i) {
        sheet += QStringLiteral("  TRACK %1 AUDIO\n    INDEX 01 %2\n")
                     .arg(i + 1, 2, 10, QLatin1Char('0'))
                     .arg(msf(startSector(tracks, i)));
        audio += tone(tracks[i]);
    }
    return TestMedia::writeFile(cue.dir().filePath(bin), audio) &&
           TestMedia::writeFile(cuePath, sheet.toUtf8());
}

QByteArray TestDisc::trackAudio(const QList<Track> &tracks, int index)
{
    return tone(tracks[index]);
}

int TestDisc::startSector(const QList<Track> &tracks, int index)
{
    int sector = 0;
    for (int i = 0; i < index; ++i)
        sector += tracks[i].sectors;
    return sector;
}

bool TestDisc::writeSettings(const QString &iniPath, const QStringList &images)
{
    return TestMedia::writeFile(iniPath, (QStringLiteral("[Drives]\nScanDevices=0\n[Images]\n") +
                                          images.join(QLatin1Char('\n')) + QLatin1Char('\n'))
                                             .toUtf8());
}
