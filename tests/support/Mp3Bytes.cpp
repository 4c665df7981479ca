#include "Mp3Bytes.h"

#include <gtest/gtest.h>

#include <QFile>

QByteArray Mp3Bytes::frame(quint8 b2, quint8 b3, quint8 b4, int length)
{
    QByteArray bytes(std::max(length, 4), '\0');
    bytes[0] = char(0xFF);
    bytes[1] = char(b2);
    bytes[2] = char(b3);
    bytes[3] = char(b4);
    return bytes;
}

QByteArray Mp3Bytes::frames(quint8 b2, quint8 b3, quint8 b4, int length, int count)
{
    return frame(b2, b3, b4, length).repeated(count);
}

QByteArray Mp3Bytes::tag(const QByteArray &title, const QByteArray &artist, quint8 genre, char pad,
                         const QByteArray &year, const QByteArray &album, const QByteArray &comment)
{
    const auto field = [pad](const QByteArray &text, int width) {
        return text.left(width).leftJustified(width, pad);
    };
    return "TAG" + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4) +
           field(comment, 30) + char(genre);
}

QString Mp3Bytes::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        << qPrintable(path);
    return path;
}

QString Mp3Bytes::sparse(const QString &path, const QByteArray &head, qint64 size)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(head) == head.size() &&
                file.resize(size))
        << qPrintable(path);
    return path;
}
