#pragma once

#include <QColor>
#include <QPalette>

// Colours as controls store them: 0x00BBGGRR, or 0x800000nn for system colour nn (15 is the
// button face), which follow the widget's palette.
class OleColor {
public:
    static constexpr quint32 kSystem = 0x80000000u;

    static QColor toColor(quint32 value, const QPalette &palette);
};
