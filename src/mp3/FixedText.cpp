#include "FixedText.h"

#include <algorithm>

#include "Windows1252.h"

void FixedText::store(const QString &value)
{
    // ASCII needs no conversion, and most texts are ASCII.
    const bool ascii =
        std::all_of(value.cbegin(), value.cend(), [](QChar c) { return c.unicode() < 0x80; });
    m_text = ascii ? value : Windows1252::toUnicode(Windows1252::fromUnicode(value));
    if (m_text.size() != m_width)
        m_text = padded();
}

QString FixedText::trimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first] == QLatin1Char(' '))
        ++first;
    while (last > first && text[last - 1] == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}
