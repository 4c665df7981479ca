#pragma once

#include <QString>

// A fixed-width text field of the MP3 file record. Storing pads with blanks on the right or cuts
// to the width; the text is limited to what one Windows-1252 byte per character can hold, so
// the width in characters is the width on disk.
class FixedText {
public:
    explicit FixedText(int width) : m_width(width) {}

    void store(const QString &value);
    // Back to the empty text a new record starts with.
    void clear() { m_text.clear(); }
    const QString &text() const { return m_text; }
    QString trimmed() const { return trimBlanks(m_text); }
    // The text at the full width, as it is written to disk.
    QString padded() const { return m_text.leftJustified(m_width, QLatin1Char(' '), true); }

    // Removes leading and trailing blanks (0x20) only: zero bytes and tabs stay.
    static QString trimBlanks(const QString &text);

private:
    int m_width;
    QString m_text;
};
