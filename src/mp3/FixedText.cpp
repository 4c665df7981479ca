#include "FixedText.h"

#include "Windows1252.h"

void FixedText::store(const QString &value)
{
    m_text = Windows1252::toUnicode(Windows1252::fromUnicode(value));
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
