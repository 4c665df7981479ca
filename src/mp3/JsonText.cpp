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
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // A lone surrogate (a file name's byte that is not UTF-8) has no UTF-8 form: escaped, the
        // output stays valid UTF-8 and a JSON reader gets the same character back.
        const bool lone =
            (c.isHighSurrogate() && (i + 1 == text.size() || !text[i + 1].isLowSurrogate())) ||
            (c.isLowSurrogate() && (i == 0 || !text[i - 1].isHighSurrogate()));
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) {
            m_members += QLatin1Char('\\');
            m_members += c;
        } else if (c.unicode() < 0x20 || lone) {
            m_members += QLatin1String("\\u");
            for (int shift = 12; shift >= 0; shift -= 4)
                m_members += QLatin1Char(hex[(c.unicode() >> shift) & 0xF]);
        } else {
            m_members += c;
        }
    }
    m_members += QLatin1Char('"');
}
