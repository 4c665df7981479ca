#pragma once

#include <QByteArray>
#include <QString>

// Hand-made MP3 content for tests: frame headers written as bytes, ID3v1 tags, files.
class Mp3Bytes {
public:
    // A frame of `length` bytes starting FF b2 b3 b4, the rest zero.
    static QByteArray frame(quint8 b2, quint8 b3, quint8 b4, int length);
    // `count` such frames back to back.
    static QByteArray frames(quint8 b2, quint8 b3, quint8 b4, int length, int count);
    // A 128-byte ID3v1 tag; each text is padded to its width with `pad` (blank or zero).
    static QByteArray tag(const QByteArray &title, const QByteArray &artist, quint8 genre,
                          char pad = ' ', const QByteArray &year = {}, const QByteArray &album = {},
                          const QByteArray &comment = {});
    // Writes the file; fails the current test when it cannot.
    static QString write(const QString &path, const QByteArray &bytes);
    // A file of `size` bytes: `head`, then holes that take no disk space.
    static QString sparse(const QString &path, const QByteArray &head, qint64 size);
};
