#include "SeekBar.h"

#include <cmath>

#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int kMarkerWidth = 6;
}

SeekBar::SeekBar(QWidget *parent) : QWidget(parent)
{
    setToolTip(QStringLiteral("Current Position Of File"));
}

void SeekBar::show(double scale, double marker)
{
    m_scale = scale;
    const int pixel = scale > 0.0 ? int(std::lround(marker / scale * width())) : 0;
    if (pixel == m_markerPixel)
        return;
    m_markerPixel = pixel;
    update();
}

void SeekBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), QColor(255, 255, 255));
    painter.setPen(QColor(0, 60, 115));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.fillRect(QRect(m_markerPixel, 1, kMarkerWidth, height() - 2), QColor(0, 0, 255));
}

void SeekBar::mousePressEvent(QMouseEvent *event)
{
    if (width() <= 0)
        return;
    const double x = event->position().x();
    m_markerPixel = int(x);
    update();
    emit seekRequested(x / width() * m_scale);
}

#include "moc_SeekBar.cpp"
