#include "ButtonColors.h"

#include <algorithm>

#include <QPalette>

#include "ButtonSettings.h"

namespace {

int clampComponent(int value) { return std::clamp(value, 0, 255); }

void setShades(ButtonColors &colors, bool softBevel)
{
    colors.shadow = ButtonColors::shiftColor(colors.face, -64, false, softBevel);
    colors.light = ButtonColors::shiftColor(colors.face, 31, false, softBevel);
    colors.highlight = ButtonColors::shiftColor(colors.face, 47, false, softBevel);
    colors.darkShadow = ButtonColors::shiftColor(colors.face, -192, false, softBevel);
}

void setSystemHover(ButtonColors &colors, const QPalette &palette)
{
    colors.hoverAccent = palette.color(QPalette::Highlight);
    colors.hoverTint = ButtonColors::tintColor(colors.hoverAccent, 176);
}

} // namespace

QColor ButtonColors::shiftColor(const QColor &color, int amount, bool scaleBlue, bool softBevel)
{
    if (softBevel)
        amount /= 2;
    const int blue = scaleBlue ? color.blue() + color.blue() * amount / 192 : color.blue() + amount;
    return QColor(clampComponent(color.red() + amount), clampComponent(color.green() + amount),
                  clampComponent(blue));
}

QColor ButtonColors::tintColor(const QColor &color, int amount)
{
    const auto tint = [amount](int c) { return std::min(255, c * (255 - amount) / 255 + amount); };
    return QColor(tint(color.red()), tint(color.green()), tint(color.blue()));
}

ButtonColors ButtonColors::make(const ButtonSettings &settings, bool hovered, const QPalette &own,
                                const QPalette &container)
{
    ButtonColors colors;
    colors.m_softBevel = settings.softBevel;
    colors.m_scaleBlue = settings.type == 3;
    switch (settings.colorScheme) {
    case 2:
        colors.face = hovered ? settings.backOver : settings.backColor;
        colors.text = settings.foreColor;
        setShades(colors, settings.softBevel);
        colors.hoverAccent = shiftColor(colors.face, -128, false, settings.softBevel);
        colors.hoverTint = colors.face;
        break;
    case 3:
        colors.face = QColor(192, 192, 192);
        colors.shadow = QColor(128, 128, 128);
        colors.light = QColor(223, 223, 223);
        colors.highlight = QColor(255, 255, 255);
        colors.darkShadow = QColor(0, 0, 0);
        colors.text = settings.foreColor;
        colors.hoverAccent = QColor(0, 0, 128);
        colors.hoverTint = QColor(173, 173, 209);
        break;
    case 4:
        colors.face = container.color(QPalette::Window);
        colors.text = container.color(QPalette::WindowText);
        setShades(colors, settings.softBevel);
        setSystemHover(colors, own);
        break;
    default:
        colors.face = own.color(QPalette::Button);
        colors.shadow = own.color(QPalette::Dark);
        colors.light = own.color(QPalette::Midlight);
        colors.darkShadow = own.color(QPalette::Shadow);
        colors.highlight = own.color(QPalette::Light);
        colors.text = own.color(QPalette::ButtonText);
        setSystemHover(colors, own);
        break;
    }
    colors.mask = settings.maskColor;
    colors.lightFace = colors.shifted(colors.face, 48);
    return colors;
}
