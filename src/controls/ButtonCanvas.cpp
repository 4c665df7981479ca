#include "ButtonCanvas.h"

#include <algorithm>

#include <QPainter>

ButtonCanvas::ButtonCanvas(QSize size)
    : m_image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied)
{
    m_image.fill(Qt::transparent);
}

void ButtonCanvas::pixel(int x, int y, const QColor &color)
{
    if (m_image.rect().contains(x, y))
        m_image.setPixelColor(x, y, color);
}

void ButtonCanvas::row(int y, int x0, int x1, const QColor &color)
{
    fillBox(x0, y, x1 - x0, 1, color);
}

void ButtonCanvas::column(int x, int y0, int y1, const QColor &color)
{
    fillBox(x, y0, 1, y1 - y0, color);
}

void ButtonCanvas::box(int x, int y, int w, int h, const QColor &color)
{
    row(y, x, x + w, color);
    row(y + h - 1, x, x + w, color);
    column(x, y, y + h, color);
    column(x + w - 1, y, y + h, color);
}

void ButtonCanvas::fillBox(int x, int y, int w, int h, const QColor &color)
{
    if (w <= 0 || h <= 0)
        return;
    const QRect area = QRect(x, y, w, h) & m_image.rect();
    const QRgb value = color.rgba();
    for (int py = area.top(); py <= area.bottom(); ++py)
        std::fill_n(reinterpret_cast<QRgb *>(m_image.scanLine(py)) + area.left(), area.width(),
                    value);
}

void ButtonCanvas::bevel(int inset, const QColor &topLeft, const QColor &bottomRight)
{
    const int right = width() - 1 - inset;
    const int bottom = height() - 1 - inset;
    row(inset, inset, right, topLeft);
    column(inset, inset, bottom, topLeft);
    row(bottom, inset, right + 1, bottomRight);
    column(right, inset, bottom, bottomRight);
}

void ButtonCanvas::dottedBox(const QRect &rect, const QColor &color)
{
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        pixel(x, rect.top(), color);
        pixel(x, rect.bottom(), color);
    }
    for (int y = rect.top(); y <= rect.bottom(); y += 2) {
        pixel(rect.left(), y, color);
        pixel(rect.right(), y, color);
    }
}

void ButtonCanvas::ellipse(const QColor &color)
{
    QPainter painter(&m_image);
    painter.setPen(color);
    painter.drawEllipse(QRect(0, 0, width() - 1, height() - 1));
}
