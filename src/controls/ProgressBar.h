#pragma once

#include <functional>

#include <QWidget>

#include "ProgressScale.h"

class PropertyBag;

// The tool windows' progress bar: a box, with a single-line border or none, holding one filled
// bar. See ProgressScale for how Min, Max and Value place the bar. Colours are 0x00BBGGRR values
// or system colours (OleColor). Repaints only when a pixel changes, so callers may set Value for
// every chunk of work.
class ProgressBar : public QWidget {
    Q_OBJECT
public:
    explicit ProgressBar(QWidget *parent = nullptr);

    static constexpr short kDefaultBorderStyle = 1;
    static constexpr quint32 kDefaultBackColor = 0x8000000Fu; // button face
    static constexpr quint32 kDefaultForeColor = 0xFF0000u;   // blue

    short BorderStyle() const { return m_borderStyle; }
    // 0 none, 1 single line; other values are refused.
    void setBorderStyle(short style);
    float Min() const { return m_scale.Min(); }
    void setMin(float value);
    float Max() const { return m_scale.Max(); }
    void setMax(float value);
    float Value() const { return m_scale.Value(); }
    void setValue(float value);
    quint32 BackColor() const { return m_backColor; }
    void setBackColor(quint32 color);
    quint32 ForeColor() const { return m_foreColor; }
    void setForeColor(quint32 color);

    // The saved properties: written and read in the order ForeColor, BackColor, BorderStyle,
    // Min, Max, Value; reading applies each through its setter.
    void WriteProperties(PropertyBag &bag) const;
    void ReadProperties(const PropertyBag &bag);

    // The box inside the border, and the bar in widget pixels (the bar is as high as the box).
    QRect innerRect() const;
    QRect barRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void changeScale(const std::function<void()> &change);

    ProgressScale m_scale;
    short m_borderStyle = kDefaultBorderStyle;
    quint32 m_backColor = kDefaultBackColor;
    quint32 m_foreColor = kDefaultForeColor;
};
