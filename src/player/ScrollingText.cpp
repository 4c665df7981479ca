#include "ScrollingText.h"

#include <cstdlib>

#include <QPaintEvent>
#include <QPainter>

ScrollingText::ScrollingText(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScrollingText::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void ScrollingText::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    if (colours.color(QPalette::WindowText) == color)
        return;
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
    update();
}

int ScrollingText::textWidth() const { return fontMetrics().horizontalAdvance(m_text); }

void ScrollingText::moveTextTo(int x)
{
    if (x == m_x)
        return;
    const int shift = x - m_x;
    m_x = x;
    if (!isVisible())
        return;
    if (std::abs(shift) < width())
        scroll(shift, 0);
    else
        update();
}

void ScrollingText::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(m_x, fontMetrics().ascent()), m_text);
}
