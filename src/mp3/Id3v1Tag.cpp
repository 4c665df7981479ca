#include "Id3v1Tag.h"

#include "Windows1252.h"

bool Id3v1Tag::isTag(QByteArrayView bytes)
{
    return bytes.size() == Size && bytes.startsWith("TAG");
}

void Id3v1Tag::clear()
{
    for (FixedText *field : {&title, &artist, &album, &Year, &Comment, &Genre})
        field->clear();
}

void Id3v1Tag::parse(QByteArrayView bytes)
{
    title.store(Windows1252::toUnicode(bytes.sliced(3, 30)));
    artist.store(Windows1252::toUnicode(bytes.sliced(33, 30)));
    album.store(Windows1252::toUnicode(bytes.sliced(63, 30)));
    Year.store(Windows1252::toUnicode(bytes.sliced(93, 4)));
    Comment.store(Windows1252::toUnicode(bytes.sliced(97, 30)));
}

QByteArray Id3v1Tag::toBytes(quint8 genreByte) const
{
    QByteArray bytes("TAG");
    for (const FixedText *field : {&title, &artist, &album, &Year, &Comment})
        bytes += Windows1252::fromUnicode(field->padded());
    bytes += char(genreByte);
    return bytes;
}
