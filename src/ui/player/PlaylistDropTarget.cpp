#include "PlaylistDropTarget.h"

#include <QAbstractItemView>
#include <QDropEvent>
#include <QMimeData>

#include "DroppedFiles.h"

PlaylistDropTarget::PlaylistDropTarget(QAbstractItemView *list) : QObject(list)
{
    // Drags arrive at the viewport, and the list's own handlers would refuse them.
    list->viewport()->setAcceptDrops(true);
    list->viewport()->installEventFilter(this);
}

bool PlaylistDropTarget::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::DragEnter: {
        // Looked at once per drag: a move must not stat every file again.
        const QMimeData *data = static_cast<QDragEnterEvent *>(event)->mimeData();
        m_usable = data && data->hasUrls() && DroppedFiles(data->urls()).isUsable();
        [[fallthrough]];
    }
    case QEvent::DragMove: {
        auto *drag = static_cast<QDragMoveEvent *>(event);
        if (m_usable)
            drag->acceptProposedAction();
        else
            drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (m_usable && drop->mimeData()) {
            drop->acceptProposedAction();
            emit dropped(drop->mimeData()->urls());
        }
        m_usable = false;
        return true;
    }
    default: return QObject::eventFilter(watched, event);
    }
}

#include "moc_PlaylistDropTarget.cpp"
