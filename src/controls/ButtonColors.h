#pragma once

#include <QColor>

class QPalette;
struct ButtonSettings;

// The colour set a button draws with (SetColors), and the two colour operations its looks use.
class ButtonColors {
public:
    QColor face;
    QColor light;
    QColor highlight;
    QColor shadow;
    QColor darkShadow;
    QColor text;
    QColor hoverAccent;
    QColor hoverTint;
    QColor mask;
    QColor lightFace; // the face shifted by +48: the base of the type-3 shading

    // The set for the settings' scheme; while hovered, scheme 2 starts from BackOver. Scheme 1
    // reads the button's own palette, scheme 4 the container's.
    static ButtonColors make(const ButtonSettings &settings, bool hovered, const QPalette &own,
                             const QPalette &container);

    // ShiftColor: amount added to each component (halved with SoftBevel); with scaleBlue, blue
    // grows by blue x amount / 192 instead.
    static QColor shiftColor(const QColor &color, int amount, bool scaleBlue, bool softBevel);
    // TintColor: each component c becomes c x (255 - amount) / 255 + amount.
    static QColor tintColor(const QColor &color, int amount);

    // A shift made while drawing: blue-scaled for type 3, as every type-3 shift is.
    QColor shifted(const QColor &color, int amount) const
    {
        return shiftColor(color, amount, m_scaleBlue, m_softBevel);
    }

private:
    bool m_scaleBlue = false;
    bool m_softBevel = false;
};
