#include "FileNameCodec.h"

namespace {
constexpr char16_t kEscapeBase = 0xDC00;

bool isEscape(char16_t unit) { return unit >= 0xDC80 && unit <= 0xDCFF; }

// The length of the strict UTF-8 sequence at bytes[at] and its code point in *code; 0 when the
// bytes there are no such sequence (overlong forms, surrogates and values past U+10FFFF are not).
int sequenceAt(QByteArrayView bytes, qsizetype at, char32_t *code)
{
    const auto lead = quint8(bytes[at]);
    int length = 0;
    char32_t minimum = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        minimum = 0x80;
        *code = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        minimum = 0x800;
        *code = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        minimum = 0x10000;
        *code = lead & 0x07;
    } else {
        return 0;
    }
    if (bytes.size() - at < length)
        return 0;
    for (int k = 1; k < length; ++k) {
        const auto next = quint8(bytes[at + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        *code = (*code << 6) | (next & 0x3F);
    }
    const bool surrogate = *code >= 0xD800 && *code <= 0xDFFF;
    return *code < minimum || surrogate || *code > 0x10FFFF ? 0 : length;
}
} // namespace

QString FileNameCodec::decode(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const auto byte = quint8(bytes[at]);
        char32_t code = byte;
        const int length = byte < 0x80 ? 1 : sequenceAt(bytes, at, &code);
        if (length == 0) {
            text.append(QChar(char16_t(kEscapeBase + byte)));
            ++at;
            continue;
        }
        text.append(QStringView(QChar::fromUcs4(code)));
        at += length;
    }
    return text;
}

QByteArray FileNameCodec::encode(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    for (qsizetype at = 0; at < path.size(); ++at) {
        const char16_t unit = path[at].unicode();
        const bool pair = QChar::isHighSurrogate(unit) && at + 1 < path.size() &&
                          QChar::isLowSurrogate(path[at + 1].unicode());
        if (isEscape(unit)) {
            bytes.append(char(unit - kEscapeBase));
        } else if (pair) {
            bytes.append(path.mid(at, 2).toUtf8());
            ++at;
        } else if (QChar::isSurrogate(unit)) {
            bytes.append("\xEF\xBF\xBD"); // U+FFFD: no decoded name holds a stray surrogate
        } else {
            bytes.append(path.mid(at, 1).toUtf8());
        }
    }
    return bytes;
}

QString FileNameCodec::display(QStringView path)
{
    QString text = path.toString();
    for (qsizetype at = 0; at < text.size(); ++at) {
        const char16_t unit = text[at].unicode();
        if (QChar::isHighSurrogate(unit) && at + 1 < text.size() &&
            QChar::isLowSurrogate(text[at + 1].unicode()))
            ++at;
        else if (isEscape(unit))
            text[at] = QChar::ReplacementCharacter;
    }
    return text;
}

QStringList FileNameCodec::display(const QStringList &paths)
{
    QStringList shown;
    shown.reserve(paths.size());
    for (const QString &path : paths)
        shown << display(path);
    return shown;
}

QString FileNameCodec::fromFileUrl(const QUrl &url)
{
    if (!url.isLocalFile())
        return {};
    return decode(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

QString FileNameCodec::toFileUrl(QStringView path)
{
    return QLatin1StringView("file://") + QString::fromLatin1(encode(path).toPercentEncoding("/"));
}
