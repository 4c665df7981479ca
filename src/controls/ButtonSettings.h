#pragma once

#include <QColor>
#include <QPixmap>

// The design-time settings of a ChameleonButton. The defaults are this program's look: every
// window's button is type 3 with colour scheme 2, silver back and blue caption, so a window sets
// only its exceptions.
struct ButtonSettings {
    int type = 3;        // 1..14
    int colorScheme = 2; // 1..4; other values act as 1
    bool showFocusRect = true;
    QColor backColor{192, 192, 192};
    QColor backOver{192, 192, 192};
    QColor foreColor{0, 0, 255};
    QColor foreOver{0, 0, 255};
    QColor maskColor{192, 192, 192};
    int mousePointer = 0; // 99 = custom (the mouse icon)
    QPixmap mouseIcon;
    bool handPointer = false;
    bool softBevel = false;
    QPixmap pictureNormal;
    QPixmap pictureOver;
    int picturePosition = 0; // 0 left, 1 right, 2 above, 3 below, 4 centred (of the caption)
    bool useMaskColor = true;
    bool useGreyscale = false;
    int specialEffect = 0; // 0..3
    bool checkBoxBehaviour = false;
};
