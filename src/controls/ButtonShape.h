#pragma once

#include <QRegion>

// MakeRegion: the outline of a button of the given type and client size, applied as its mask.
class ButtonShape {
public:
    static QRegion region(int type, int width, int height);
};
