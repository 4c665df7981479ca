#include "ButtonShape.h"

namespace {

QRegion withoutPixels(int width, int height, std::initializer_list<QPoint> pixels)
{
    QRegion region(0, 0, width, height);
    for (const QPoint &p : pixels)
        region -= QRegion(p.x(), p.y(), 1, 1);
    return region;
}

} // namespace

QRegion ButtonShape::region(int type, int width, int height)
{
    const int r = width - 1;
    const int b = height - 1;
    switch (type) {
    case 1:
    case 14: return withoutPixels(width, height, {{0, 0}, {r, 0}, {0, b}, {r, b}});
    case 5: return withoutPixels(width, height, {{r, 0}, {0, b}});
    case 3:
    case 4:
        return withoutPixels(width, height,
                             {{0, 0},
                              {1, 0},
                              {0, 1},
                              {r, 0},
                              {r - 1, 0},
                              {r, 1},
                              {0, b},
                              {1, b},
                              {0, b - 1},
                              {r, b},
                              {r - 1, b},
                              {r, b - 1}});
    case 13: return QRegion(0, 0, width, height, QRegion::Ellipse);
    default: return QRegion(0, 0, width, height);
    }
}
