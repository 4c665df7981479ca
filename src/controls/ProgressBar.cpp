#include "ProgressBar.h"

#include <QPainter>

#include "OleColor.h"
#include "PropertyBag.h"

ProgressBar::ProgressBar(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ProgressBar::setBorderStyle(short style)
{
    if ((style == 0 || style == 1) && style != m_borderStyle) {
        m_borderStyle = style;
        update();
    }
}

void ProgressBar::changeScale(const std::function<void()> &change)
{
    const QRect before = barRect();
    change();
    if (barRect() != before)
        update();
}

void ProgressBar::setMin(float value)
{
    changeScale([&] { m_scale.setMin(value); });
}

void ProgressBar::setMax(float value)
{
    changeScale([&] { m_scale.setMax(value); });
}

void ProgressBar::setValue(float value)
{
    changeScale([&] { m_scale.setValue(value); });
}

void ProgressBar::setBackColor(quint32 color)
{
    m_backColor = color;
    update();
}

void ProgressBar::setForeColor(quint32 color)
{
    m_foreColor = color;
    update();
}

void ProgressBar::WriteProperties(PropertyBag &bag) const
{
    bag.WriteProperty(QStringLiteral("ForeColor"), m_foreColor, kDefaultForeColor);
    bag.WriteProperty(QStringLiteral("BackColor"), m_backColor, kDefaultBackColor);
    bag.WriteProperty(QStringLiteral("BorderStyle"), m_borderStyle, kDefaultBorderStyle);
    bag.WriteProperty(QStringLiteral("Min"), Min(), 0.0f);
    bag.WriteProperty(QStringLiteral("Max"), Max(), 1.0f);
    bag.WriteProperty(QStringLiteral("Value"), Value(), 0.0f);
}

void ProgressBar::ReadProperties(const PropertyBag &bag)
{
    setForeColor(bag.ReadProperty(QStringLiteral("ForeColor"), kDefaultForeColor).toUInt());
    setBackColor(bag.ReadProperty(QStringLiteral("BackColor"), kDefaultBackColor).toUInt());
    setBorderStyle(
        short(bag.ReadProperty(QStringLiteral("BorderStyle"), kDefaultBorderStyle).toInt()));
    setMin(bag.ReadProperty(QStringLiteral("Min"), 0.0f).toFloat());
    setMax(bag.ReadProperty(QStringLiteral("Max"), 1.0f).toFloat());
    setValue(bag.ReadProperty(QStringLiteral("Value"), 0.0f).toFloat());
}

QRect ProgressBar::innerRect() const
{
    const int border = m_borderStyle == 1 ? 1 : 0;
    return rect().adjusted(border, border, -border, -border);
}

QRect ProgressBar::barRect() const
{
    const QRect inner = innerRect();
    const auto [left, width] = m_scale.barSpan(inner.width());
    return QRect(inner.left() + left, inner.top(), width, inner.height());
}

void ProgressBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), OleColor::toColor(m_backColor, palette()));
    painter.fillRect(barRect(), OleColor::toColor(m_foreColor, palette()));
    if (m_borderStyle == 1) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}
