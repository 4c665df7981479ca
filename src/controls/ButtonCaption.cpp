#include "ButtonCaption.h"

#include <QPainter>

#include "ButtonColors.h"

ButtonCaption::ButtonCaption(const QString &caption)
{
    const qsizetype n = caption.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (caption[i] != u'&' || i + 1 == n) {
            m_text += caption[i];
            continue;
        }
        ++i;
        if (caption[i] != u'&' && m_keyIndex < 0 && !caption[i].isSpace())
            m_keyIndex = int(m_text.size());
        m_text += caption[i];
    }
}

QKeySequence ButtonCaption::shortcut() const
{
    if (m_keyIndex < 0)
        return {};
    return QKeySequence(
        QKeyCombination(Qt::AltModifier, Qt::Key(m_text[m_keyIndex].toUpper().unicode())));
}

QString ButtonCaption::marked() const
{
    QString marked;
    for (int i = 0; i < m_text.size(); ++i) {
        if (i == m_keyIndex || m_text[i] == u'&')
            marked += u'&';
        marked += m_text[i];
    }
    return marked;
}

void ButtonCaption::draw(QPainter &painter, const QRect &rect, const ButtonColors &colors,
                         const Style &style) const
{
    const QString text = marked();
    const QRect at = style.pressed ? rect.translated(1, 1) : rect;
    const auto copy = [&](int offset, const QColor &color) {
        painter.setPen(color);
        painter.drawText(at.translated(offset, offset), style.flags, text);
    };
    if (!style.enabled) {
        copy(1, colors.highlight);
        copy(0, colors.shadow);
        return;
    }
    const QColor darker = colors.shifted(colors.face, -40);
    const QColor lighter = colors.shifted(colors.face, 40);
    switch (style.specialEffect) {
    case 1:
        copy(1, darker);
        copy(-1, lighter);
        break;
    case 2:
        copy(1, lighter);
        copy(-1, darker);
        break;
    case 3: copy(1, darker); break;
    default: break;
    }
    copy(0, style.color);
}
