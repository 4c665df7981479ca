#pragma once

#include <QRect>

class QFontMetrics;
class QString;

// CalcTextRects: where a button puts its caption block, its picture and its focus rectangle.
class ButtonLayout {
public:
    QRect captionRect; // the area for the caption; the focus rectangle runs along it
    QRect textRect;
    QRect pictureRect;
    // ButtonCaption::kTextFlags, without wrapping when the wrapped lines would not fit in height.
    int textFlags = 0;

    // `text` is marked for Qt::TextShowMnemonic; `position` places the picture left of (0),
    // right of (1), above (2) or below (3) the caption, or centred on the button (4).
    static ButtonLayout make(int type, QSize client, const QFontMetrics &metrics,
                             const QString &text, QSize picture, int position);
};
