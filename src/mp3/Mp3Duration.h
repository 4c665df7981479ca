#pragma once

#include <QString>

class Mp3FileInput;

struct mpg123_handle_struct;

// Measures how long an MP3 file plays, in the same seconds as the player's media component (a
// libmpg123 scan of every frame header), but without the scan where the file's Xing/Info frame
// can be trusted: that frame counts the frames, and libmpg123 then knows the exact length
// (gapless, from the LAME tag) after reading the first frame. It is trusted only when it also
// counts the stream's bytes and the file holds exactly those, followed by nothing but tags, so a
// truncated or extended file is scanned. Reuses two decoder handles: one object per thread.
class Mp3Duration {
public:
    Mp3Duration();
    ~Mp3Duration();
    Mp3Duration(const Mp3Duration &) = delete;
    Mp3Duration &operator=(const Mp3Duration &) = delete;

    // 0 when the path is not a regular file or holds no MPEG audio.
    double seconds(const QString &path);

private:
    bool infoFrameCovers(Mp3FileInput &input);

    mpg123_handle_struct *m_probe = nullptr;  // reads the info frame as a frame of its own
    mpg123_handle_struct *m_reader = nullptr; // measures as the player does
};
