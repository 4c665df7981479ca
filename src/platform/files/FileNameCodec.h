#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QUrl>

// File names are bytes; Qt decodes them as UTF-8 and replaces what is not, so a path Qt made
// from a Latin-1 name no longer names the file. Here every byte that is not part of valid UTF-8
// becomes a lone surrogate U+DC80 + byte (the "surrogate escape" convention) and goes back as that
// byte, so decode then encode gives the same bytes for any name. Valid UTF-8 decodes as Qt does.
class FileNameCodec {
public:
    static QString decode(QByteArrayView bytes);
    static QByteArray encode(QStringView path);
    // For the screen only: each escaped byte shows as U+FFFD.
    static QString display(QStringView path);
    static QStringList display(const QStringList &paths);
    // A file: URL's path as the file system's bytes (empty for any other URL), and back: a
    // file: URL that carries the path's own bytes, percent-encoded.
    static QString fromFileUrl(const QUrl &url);
    static QString toFileUrl(QStringView path);
};
