#pragma once

#include <QColor>
#include <QPixmap>

// A button's picture as drawn: the mask colour made transparent, grey tones on request.
class ButtonPicture {
public:
    static QPixmap prepare(const QPixmap &picture, const QColor &maskColor, bool useMaskColor,
                           bool greyscale);
};
