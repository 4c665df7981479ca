#pragma once

#include <QColor>
#include <QImage>

// The one-pixel drawing surface of a button's frame, in logical pixels. Lines run from their
// first coordinate up to, not including, their last, as the platform's line calls do; whatever
// falls outside the surface is dropped, so a tiny button never draws out of range.
class ButtonCanvas {
public:
    explicit ButtonCanvas(QSize size);

    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }
    const QImage &image() const { return m_image; }

    void fill(const QColor &color) { m_image.fill(color); }
    void pixel(int x, int y, const QColor &color);
    void row(int y, int x0, int x1, const QColor &color);
    void column(int x, int y0, int y1, const QColor &color);
    // The outline of the rectangle whose top-left pixel is (x, y).
    void box(int x, int y, int w, int h, const QColor &color);
    void fillBox(int x, int y, int w, int h, const QColor &color);
    // Top and left edges in one colour, bottom and right in another, `inset` pixels in.
    void bevel(int inset, const QColor &topLeft, const QColor &bottomRight);
    void dottedBox(const QRect &rect, const QColor &color);
    void ellipse(const QColor &color);

private:
    QImage m_image;
};
