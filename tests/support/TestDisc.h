#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A CUE/BIN audio-CD image made at test time: each track a tone of its own frequency (left and
// right channels differ, so a swap of bytes or channels shows), lengths in whole sectors.
class TestDisc {
public:
    struct Track {
        int sectors;
        int frequency; // Hz; 0 gives silence
    };

    // Writes cuePath and a .bin beside it; false when that fails.
    static bool write(const QString &cuePath, const QList<Track> &tracks);
    // The audio bytes of one track (0-based) as the BIN stores them: 16-bit little-endian stereo.
    static QByteArray trackAudio(const QList<Track> &tracks, int index);
    // Sector where track index (0-based) starts; index == tracks.size() gives the lead-out.
    static int startSector(const QList<Track> &tracks, int index);
    // A ripping-library settings file listing these images and no CD devices.
    static bool writeSettings(const QString &iniPath, const QStringList &images);

    static constexpr int kSectorBytes = 2352;
};
