#include "ButtonGlossLook.h"

#include <QtMath>

#include "ButtonCanvas.h"
#include "ButtonColors.h"
#include "ButtonState.h"

namespace {

const QColor kOutline(0, 60, 115);
const QColor kCorner(16, 77, 123);

// Row `row(i)` for i = 1..h in `base` darkened by 25 / h per step, rounded.
template <typename RowOf>
void gradient(ButtonCanvas &canvas, const ButtonColors &colors, const QColor &base, RowOf rowOf)
{
    const int h = canvas.height();
    for (int i = 1; i <= h; ++i)
        canvas.row(rowOf(i), 0, canvas.width(), colors.shifted(base, -qRound(25.0 / h * i)));
}

void outline(ButtonCanvas &canvas, const QColor &line, const QColor &corner)
{
    const int w = canvas.width();
    const int h = canvas.height();
    canvas.box(0, 0, w, h, line);
    for (const QPoint &p : {QPoint(1, 1), QPoint(1, h - 2), QPoint(w - 2, 1), QPoint(w - 2, h - 2)})
        canvas.pixel(p.x(), p.y(), corner);
}

void plainEdges(ButtonCanvas &c, const ButtonColors &colors)
{
    const int w = c.width();
    const int h = c.height();
    const auto lf = [&colors](int amount) { return colors.shifted(colors.lightFace, amount); };
    c.row(h - 2, 2, w - 2, lf(-48));
    c.row(h - 3, 1, w - 2, lf(-32));
    c.column(w - 2, 2, h - 2, lf(-36));
    c.column(w - 3, 3, h - 3, lf(-24));
    c.row(1, 2, w - 2, lf(16));
    c.row(2, 1, w - 2, lf(10));
    c.column(1, 2, h - 2, lf(-5));
    c.column(2, 3, h - 3, lf(-10));
}

struct AccentEdges {
    QColor frame, bottom, top, second, sides;
    int secondEnd; // row 2 runs to w - secondEnd
    int secondStart;
};

void accentEdges(ButtonCanvas &c, const AccentEdges &e)
{
    const int w = c.width();
    const int h = c.height();
    c.box(1, 2, w - 2, h - 4, e.frame);
    c.row(h - 2, 2, w - 2, e.bottom);
    c.row(1, 2, w - 2, e.top);
    c.row(2, e.secondStart, w - e.secondEnd, e.second);
    c.column(2, 3, h - 3, e.sides);
    c.column(w - 3, 3, h - 3, e.sides);
}

const AccentEdges kFocus{
    {140, 174, 231}, {107, 130, 239}, {206, 231, 255}, {189, 215, 247}, {181, 209, 240}, 1, 1};
const AccentEdges kHover{
    {255, 178, 49}, {231, 150, 0}, {255, 243, 206}, {255, 219, 140}, {255, 203, 107}, 2, 2};

void pressed(ButtonCanvas &c, const ButtonColors &colors)
{
    const int w = c.width();
    const int h = c.height();
    const QColor base = colors.shifted(colors.lightFace, -32);
    const auto b = [&colors, &base](int amount) { return colors.shifted(base, amount); };
    gradient(c, colors, base, [h](int i) { return h - i; });
    outline(c, kOutline, kCorner);
    c.row(h - 2, 2, w - 2, b(16));
    c.row(h - 3, 1, w - 2, b(10));
    c.column(w - 2, 2, h - 2, b(5));
    c.column(w - 3, 3, h - 3, colors.lightFace);
    c.row(1, 2, w - 2, b(-32));
    c.row(2, 1, w - 2, b(-24));
    c.column(1, 2, h - 2, b(-32));
    c.column(2, 2, h - 2, b(-22));
}

} // namespace

void ButtonGlossLook::draw(ButtonCanvas &canvas, const ButtonColors &colors,
                           const ButtonState &state)
{
    if (!state.enabled) {
        canvas.fill(colors.shifted(colors.lightFace, -24));
        outline(canvas, colors.shifted(colors.lightFace, -84),
                colors.shifted(colors.lightFace, -72));
        return;
    }
    if (state.pressed) {
        pressed(canvas, colors);
        return;
    }
    gradient(canvas, colors, colors.lightFace, [](int i) { return i; });
    outline(canvas, kOutline, kCorner);
    if (state.hovered)
        accentEdges(canvas, kHover);
    else if (state.focusMark)
        accentEdges(canvas, kFocus);
    else
        plainEdges(canvas, colors);
}
