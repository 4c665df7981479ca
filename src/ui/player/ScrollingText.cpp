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
    render();
}

void ScrollingText::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    if (colours.color(QPalette::WindowText) == color)
        return;
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void ScrollingText::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::PaletteChange)
        render();
    QWidget::changeEvent(event);
}

void ScrollingText::render()
{
    const int width = fontMetrics().horizontalAdvance(m_text);
    m_picture = QPixmap(qMax(width, 1), qMax(height(), fontMetrics().height()));
    m_picture.fill(palette().color(QPalette::Window));
    QPainter painter(&m_picture);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QPoint(0, fontMetrics().ascent()), m_text);
    update();
}

void ScrollingText::moveTextTo(int x)
{
    if (x == m_x)
        return;
    const int shift = x - m_x;
    // Nothing to draw before or after the move, as while the text is empty or off the strip:
    // no repaint, so an idle window stays idle.
    const auto shows = [this](int left) {
        return !m_text.isEmpty() && left < width() && left + m_picture.width() > 0;
    };
    const bool seen = shows(m_x) || shows(x);
    m_x = x;
    if (!isVisible() || !seen)
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
    painter.drawPixmap(m_x, 0, m_picture);
}

#include "moc_ScrollingText.cpp"
