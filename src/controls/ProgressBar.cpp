#include "ProgressBar.h"

#include <algorithm>
#include <cmath>

#include <QPainter>

ProgressBar::ProgressBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

template <typename Change> void ProgressBar::changeScale(Change change)
{
    const QRect before = barRect();
    change();
    if (barRect() != before)
        update();
}

void ProgressBar::setMax(float value)
{
    if (value != 0.0f && std::isfinite(value))
        changeScale([&] { m_max = value; });
}

void ProgressBar::setValue(float value)
{
    changeScale([&] { m_value = value; });
}

QRect ProgressBar::barRect() const
{
    const QRect inner = rect().adjusted(1, 1, -1, -1);
    const double pixels = double(m_value) / double(m_max) * inner.width();
    const int width = std::isfinite(pixels) && inner.width() > 0
                          ? int(std::lround(std::clamp(pixels, 0.0, double(inner.width()))))
                          : 0;
    return QRect(inner.topLeft(), QSize(width, inner.height()));
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Button));
    painter.fillRect(barRect(), QColor(0, 0, 255));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

#include "moc_ProgressBar.cpp"
