#pragma once

#include <QByteArray>
#include <QtEndian>

// value as the first `bytes` bytes of its little-endian form, for building RIFF files in tests.
inline QByteArray le(quint32 value, int bytes)
{
    QByteArray out(4, '\0');
    qToLittleEndian(value, out.data());
    return out.left(bytes);
}
