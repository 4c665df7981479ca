#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

// What a later copy of tavro tells the running one: one absolute path per line, as the file
// system's bytes (FileNameCodec), so a name that is not UTF-8 arrives whole. No line at all asks
// the running copy to come forward. Any local process of the user can write to the socket, so
// the reader trusts nothing: it keeps at most kMaxLines lines of at most kMaxLineBytes.
class InstanceMessage {
public:
    static constexpr int kMaxLines = 16;
    static constexpr int kMaxLineBytes = 4096; // PATH_MAX, terminator included
    // A sender that goes past this is not one of ours.
    static constexpr qsizetype kMaxBytes = kMaxLines * (kMaxLineBytes + 1);

    static QByteArray encode(const QStringList &paths);
    // The lines that are paths: absolute, without NUL, not too long; anything else is dropped.
    static QStringList decode(QByteArrayView bytes);
};
