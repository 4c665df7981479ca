#include "JsonText.h"

#include <charconv>
#include <cmath>

namespace {
// Non-finite values have no JSON form.
template <typename Real> QString shortest(Real value)
{
    if (!std::isfinite(value))
        return QStringLiteral("null");
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return QString::fromLatin1(digits, result.ptr - digits);
}

QString jsonValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType: return QStringLiteral("null");
    case QMetaType::Bool: return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QMetaType::Float: return shortest(value.toFloat());
    case QMetaType::Double: return shortest(value.toDouble());
    case QMetaType::QString: return JsonText::quoted(value.toString());
    default: return QString::number(value.toLongLong());
    }
}
} // namespace

JsonText &JsonText::add(const char *key, const QVariant &value)
{
    addMember(key, jsonValue(value));
    return *this;
}

JsonText &JsonText::addObject(const char *key, const JsonText &object)
{
    addMember(key, object.text());
    return *this;
}

void JsonText::addMember(const char *key, const QString &json)
{
    if (!m_members.isEmpty())
        m_members += QLatin1Char(',');
    m_members += quoted(QLatin1String(key)) + QLatin1Char(':') + json;
}

QString JsonText::quoted(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (c.unicode() < 0x20)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    out += QLatin1Char('"');
    return out;
}
