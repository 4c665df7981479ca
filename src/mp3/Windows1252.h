#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// ID3v1 texts are single bytes in the Western ANSI code page (Windows-1252). The five bytes that
// code page leaves undefined map to the C1 controls of the same value, as Windows does, so every
// byte survives a read and a write.
class Windows1252 {
public:
    static QString toUnicode(QByteArrayView bytes);
    // One byte per character; characters the code page lacks become "?".
    static QByteArray fromUnicode(QStringView text);
};
