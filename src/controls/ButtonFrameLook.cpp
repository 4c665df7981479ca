#include "ButtonFrameLook.h"

#include "ButtonCanvas.h"
#include "ButtonColors.h"
#include "ButtonState.h"

namespace {

// A raised bevel, or the sunken one with its colours swapped while pressed.
void bevel(ButtonCanvas &c, int inset, const QColor &light, const QColor &dark, bool pressed)
{
    c.bevel(inset, pressed ? dark : light, pressed ? light : dark);
}

void raisedOrSunken(ButtonCanvas &c, const ButtonColors &k, bool pressed)
{
    bevel(c, 0, k.highlight, k.darkShadow, pressed);
    bevel(c, 1, k.light, k.shadow, pressed);
}

// Type 2: the Windows push button, with its dark outline when it is the default button.
void pushButton(ButtonCanvas &c, const ButtonColors &k, const ButtonState &s)
{
    if (!(s.showFocusRect && s.defaultMark)) {
        raisedOrSunken(c, k, s.pressed);
        return;
    }
    c.box(0, 0, c.width(), c.height(), k.darkShadow);
    if (s.pressed)
        c.box(1, 1, c.width() - 2, c.height() - 2, k.shadow);
    else
        c.bevel(1, k.highlight, k.darkShadow);
}

// Type 4: a bevel whose corners are rounded off pixel by pixel.
void roundedBevel(ButtonCanvas &c, const ButtonColors &k, bool pressed)
{
    const int w = c.width();
    const int h = c.height();
    const QColor &outerLight = pressed ? k.darkShadow : k.highlight;
    const QColor &outerDark = pressed ? k.highlight : k.darkShadow;
    c.row(0, 2, w - 2, outerLight);
    c.column(0, 2, h - 2, outerLight);
    c.row(h - 1, 2, w - 2, outerDark);
    c.column(w - 1, 2, h - 2, outerDark);
    c.pixel(1, 1, outerLight);
    c.pixel(w - 2, h - 2, outerDark);
    c.pixel(w - 2, 1, k.shadow);
    c.pixel(1, h - 2, k.shadow);
    c.row(1, 2, w - 2, pressed ? k.shadow : k.light);
    c.column(1, 2, h - 2, pressed ? k.shadow : k.light);
    c.row(h - 2, 2, w - 2, pressed ? k.light : k.shadow);
    c.column(w - 2, 2, h - 2, pressed ? k.light : k.shadow);
}

// Type 14: the face darkens by up to 58 toward the bottom (toward the top while pressed).
void shadedFace(ButtonCanvas &c, const ButtonColors &k, const ButtonState &s)
{
    const int h = c.height();
    if (s.hovered && !s.pressed) {
        c.fill(k.light);
    } else {
        for (int y = 0; y < h; ++y)
            c.row(y, 0, c.width(), k.shifted(k.face, -58 * (s.pressed ? h - 1 - y : y) / h));
    }
    c.box(0, 0, c.width(), h, k.darkShadow);
}

} // namespace

void ButtonFrameLook::draw(int type, ButtonCanvas &c, const ButtonColors &k, const ButtonState &s)
{
    const bool active = s.hovered || s.pressed;
    const int w = c.width();
    const int h = c.height();
    switch (type) {
    case 1:
        c.box(0, 0, w, h, k.darkShadow);
        if (s.pressed) {
            c.bevel(1, k.shadow, k.face);
        } else {
            c.bevel(1, k.highlight, k.shadow);
            c.bevel(2, k.highlight, k.shadow);
        }
        break;
    case 2: pushButton(c, k, s); break;
    case 4: roundedBevel(c, k, s.pressed); break;
    case 5:
        c.box(0, 0, w, h, k.darkShadow);
        if (s.pressed)
            c.fillBox(1, 1, w - 2, h - 2, QColor(153, 153, 204));
        else
            c.bevel(1, k.highlight, k.face);
        break;
    case 6: bevel(c, 0, k.highlight, k.darkShadow, s.pressed); break;
    case 7: bevel(c, 0, k.highlight, k.shadow, s.pressed); break;
    case 8:
        if (active)
            bevel(c, 0, k.highlight, k.shadow, s.pressed);
        break;
    case 9:
        if (active) {
            c.fill(k.hoverTint);
            c.box(0, 0, w, h, k.hoverAccent);
        }
        break;
    case 12:
        if (active)
            c.box(0, 0, w, h, s.pressed ? k.darkShadow : k.shadow);
        break;
    case 13:
        if (s.pressed)
            c.ellipse(k.darkShadow);
        break;
    case 14: shadedFace(c, k, s); break;
    case 10:
    case 11: break;
    default: raisedOrSunken(c, k, s.pressed); break;
    }
}
