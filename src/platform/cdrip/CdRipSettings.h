#pragma once

#include <QString>
#include <QStringList>

// The ripping library's settings file, "cdrip.ini": which drives to offer and how to rip.
//
//   [Drives]
//   ScanDevices=1            ; 1 = offer the machine's CD devices, 0 = only the images
//   [Images]
//   /home/me/discs/album.cue ; one disc image per line, offered after the devices;
//                            ; a relative path is taken from the settings file's folder
//   [Ripping]
//   ReadSectors=26           ; sectors of 2352 bytes per chunk, 1..200
//   RippingMethod=0          ; 0 = paranoia (verified, overlapping reads), 1 = plain reads
//   Retries=20               ; attempts paranoia makes at one sector, 1..1000
//   CDSpeed=0                ; read speed (x 150 kB/s), 0 = the drive's fastest
//   EncoderJobs=0            ; MP3 encoders at work on a disc at once, 0 = one per processor
//
// Lines starting with ';' or '#' are comments, and so is the rest of a key=value line from one.
// Unknown sections, keys and values that are not numbers are ignored; numbers out of range are
// clamped, so any file gives usable settings.
struct CdRipSettings {
    bool scanDevices = true;
    QStringList images; // absolute paths
    int readSectors = 26;
    int rippingMethod = 0;
    int retries = 20;
    int cdSpeed = 0;
    int encoderJobs = 0;
    static constexpr int kMaxEncoderJobs = 64;

    // $TAVRO_CDRIP_INI when set, else cdrip.ini in the user's configuration folder for tavro
    // ($XDG_CONFIG_HOME/tavro, normally ~/.config/tavro).
    static QString defaultPath();
    // The encoders to run at once: encoderJobs, or one per processor for 0.
    int encoders() const;

    // Reads path; when it does not exist, writes the defaults there (a folder or file that
    // cannot be created leaves the defaults in use). False only for a path that exists but
    // cannot be read as a file.
    bool load(const QString &path);
    // Writes the settings in the form above; false when the file cannot be written.
    bool save(const QString &path) const;

private:
    void parse(const QByteArray &text, const QString &folder);
    void setValue(const QString &section, const QString &key, const QString &value);
};
