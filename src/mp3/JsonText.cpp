#include "JsonText.h"

#include <cmath>

#include "ShortestText.h"

namespace {
// Non-finite values have no JSON form.
template <typename Real> QString shortest(Real value)
{
    return std::isfinite(value) ? ShortestText::of(value) : QStringLiteral("null");
}
} // namespace

JsonText &JsonText::add(const char *key, const QVariant &value)
{
    appendKey(key);
    switch (value.typeId()) {
    case QMetaType::UnknownType: m_members += QLatin1String("null"); break;
    case QMetaType::Bool:
        m_members += value.toBool() ? QLatin1String("true") : QLatin1String("false");
        break;
    case QMetaType::Float: m_members += shortest(value.toFloat()); break;
    case QMetaType::Double: m_members += shortest(value.toDouble()); break;
    case QMetaType::QString: appendQuoted(value.toString()); break;
    default: m_members += QString::number(value.toLongLong()); break;
    }
    return *this;
}

JsonText &JsonText::addObject(const char *key, const JsonText &object)
{
    appendKey(key);
    m_members += object.text();
    return *this;
}

void JsonText::appendKey(const char *key)
{
    if (m_members.isEmpty())
        m_members.reserve(1024); // one info line's members without reallocating
    else
        m_members += QLatin1Char(',');
    m_members += QLatin1Char('"');
    m_members += QLatin1String(key);
    m_members += QLatin1String("\":");
}

void JsonText::appendQuoted(QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    m_members += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            m_members += QLatin1Char('\\');
            m_members += c;
        } else if (c.unicode() < 0x20) {
            m_members += QLatin1String("\\u00");
            m_members += QLatin1Char(hex[c.unicode() >> 4]);
            m_members += QLatin1Char(hex[c.unicode() & 0xF]);
        } else {
            m_members += c;
        }
    }
    m_members += QLatin1Char('"');
}
