#pragma once

#include <QColor>
#include <QKeySequence>
#include <QString>

class ButtonColors;
class QPainter;
class QRect;

// A caption as written ("&Open", "Save && Exit") and as shown: the letter after the first single
// "&" is the access key, "&&" shows one "&", and other single "&"s are dropped.
class ButtonCaption {
public:
    // How a caption block is laid out and drawn: centred, wrapped at word ends.
    static constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

    explicit ButtonCaption(const QString &caption);

    const QString &text() const { return m_text; }
    // Index of the access key in text(), or -1.
    int accessKeyIndex() const { return m_keyIndex; }
    // Alt and the access key, whatever its case; empty without one.
    QKeySequence shortcut() const;
    // text() for QPainter with Qt::TextShowMnemonic: the access key alone underlined.
    QString marked() const;

    struct Style {
        QColor color;
        int flags = kTextFlags;
        bool enabled = true;
        bool pressed = false;
        int specialEffect = 0;
    };
    // DrawCaption: moved right and down while pressed, engraved while disabled, with the copies
    // of the special effect behind it.
    void draw(QPainter &painter, const QRect &rect, const ButtonColors &colors,
              const Style &style) const;

private:
    QString m_text;
    int m_keyIndex = -1;
};
