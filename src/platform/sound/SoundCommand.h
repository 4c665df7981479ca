#pragma once

#include <optional>

#include <QByteArray>
#include <QList>

// A position as a command text gives it, before a device reads it in its time format: a number
// ("3", "-6000") or colon-separated fields ("01:02:03:04" is {1, 2, 3, 4}).
struct SoundPosition {
    QList<qint64> fields;
};

// One command text, parsed. Words are matched without regard to case; the device name or
// alias, the device type and file names are kept in lower case, file names as written.
struct SoundCommand {
    enum class Verb { Open, Close, Set, Status, Play, Seek, Pause, Stop, Record, Save };
    enum class TimeFormat { Msf, Tmsf, Milliseconds, Bytes, Samples };
    enum class StatusItem {
        MediaPresent,
        Mode,
        Ready,
        NumberOfTracks,
        CurrentTrack,
        Length,
        Position,
        TimeFormat,
    };
    enum class SeekTarget { Position, Start, End };

    Verb verb = Verb::Status;
    // The alias a command addresses ("all" for close all); for open, the device type or the
    // element ("new" for a new recording).
    QByteArray device;
    bool wait = false;

    // open
    QByteArray type; // the device type: the "type" value, else the device word
    QByteArray alias;
    bool shareable = false;

    // set: any of these, in one command
    std::optional<TimeFormat> timeFormat;
    std::optional<bool> doorOpen;
    std::optional<qint64> bitsPerSample, channels, bytesPerSecond, samplesPerSecond, alignment;

    // status
    StatusItem item = StatusItem::Mode;
    std::optional<qint64> track; // "length track 3", "position track 3"

    // play, record: from; seek: to
    std::optional<SoundPosition> from;
    SeekTarget seekTarget = SeekTarget::Position;
    std::optional<SoundPosition> to;

    // save
    QByteArray fileName;
};
