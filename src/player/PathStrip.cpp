#include "PathStrip.h"

#include <QPainter>

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kStepTwips = 40;
constexpr int kRestartBelowTwips = -10000;
} // namespace

PathStrip::PathStrip(QWidget *parent) : QWidget(parent) {}

void PathStrip::setText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void PathStrip::scroll()
{
    if (m_twips > kRestartBelowTwips)
        m_twips -= kStepTwips;
    else
        m_twips = width() * kTwipsPerPixel;
    const int pixel = m_twips / kTwipsPerPixel;
    if (pixel != m_drawnPixel && isVisible()) {
        m_drawnPixel = pixel;
        update();
    }
    m_blue = true;
}

void PathStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(m_blue ? QColor(0, 0, 255) : palette().color(QPalette::WindowText));
    painter.drawText(QPoint(m_drawnPixel, fontMetrics().ascent()), m_text);
}
