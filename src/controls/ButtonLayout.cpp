#include "ButtonLayout.h"

#include <algorithm>

#include <QFontMetrics>
#include <QString>

#include "ButtonCaption.h"

namespace {

QRect captionArea(int type, QSize client)
{
    const QRect all(QPoint(0, 0), client);
    if (type >= 7 && type <= 13)
        return all.adjusted(3, 3, -3, -3);
    if (type == 14)
        return all.adjusted(5, 5, -5, -5).translated(1, 1);
    return all.adjusted(4, 4, -4, -4);
}

QRect centred(QSize size, const QRect &within)
{
    return QRect(within.left() + (within.width() - size.width()) / 2,
                 within.top() + (within.height() - size.height()) / 2, size.width(), size.height());
}

} // namespace

ButtonLayout ButtonLayout::make(int type, QSize client, const QFontMetrics &metrics,
                                const QString &text, QSize picture, int position)
{
    ButtonLayout layout;
    layout.captionRect = captionArea(type, client);
    layout.textFlags = ButtonCaption::kTextFlags;
    // In a button too low for two lines, a caption a little too wide stays on one line and runs
    // into the margins rather than breaking into lines that stick out at the top and bottom.
    const auto textSize = [&](const QRect &room) {
        if (text.isEmpty())
            return QSize();
        const QSize wrapped = metrics.boundingRect(room, layout.textFlags, text).size();
        if (wrapped.height() <= room.height() || room.height() >= 2 * metrics.height())
            return wrapped;
        layout.textFlags &= ~Qt::TextWordWrap;
        return metrics.boundingRect(room, layout.textFlags, text).size();
    };
    if (picture.isEmpty() || text.isEmpty() || position < 0 || position > 3) {
        layout.textRect = centred(textSize(layout.captionRect), layout.captionRect);
        if (!picture.isEmpty())
            layout.pictureRect = centred(picture, QRect(QPoint(0, 0), client));
        return layout;
    }
    const bool beside = position <= 1;
    const int gap = beside ? 4 : 2;
    QRect room = layout.captionRect;
    if (beside)
        room.setWidth(room.width() - picture.width() - gap);
    else
        room.setHeight(room.height() - picture.height() - gap);
    const QSize words = textSize(room);
    const QSize block = beside ? QSize(picture.width() + gap + words.width(),
                                       std::max(picture.height(), words.height()))
                               : QSize(std::max(picture.width(), words.width()),
                                       picture.height() + gap + words.height());
    const QRect all = centred(block, layout.captionRect);
    // The picture's and the text's part of the block, each centred on the other axis.
    QRect pictureSlot = all;
    QRect textSlot = all;
    switch (position) {
    case 0:
        pictureSlot.setWidth(picture.width());
        textSlot.setLeft(all.left() + picture.width() + gap);
        break;
    case 1:
        textSlot.setWidth(words.width());
        pictureSlot.setLeft(all.right() + 1 - picture.width());
        break;
    case 2:
        pictureSlot.setHeight(picture.height());
        textSlot.setTop(all.top() + picture.height() + gap);
        break;
    default:
        textSlot.setHeight(words.height());
        pictureSlot.setTop(all.bottom() + 1 - picture.height());
        break;
    }
    layout.pictureRect = centred(picture, pictureSlot);
    layout.textRect = centred(words, textSlot);
    return layout;
}
