#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

class QAbstractItemView;

// Lets files be dropped onto a list: the drag is taken only when it carries something the play
// list can add (DroppedFiles), and a drop hands its URLs over through dropped.
class PlaylistDropTarget : public QObject {
    Q_OBJECT
public:
    explicit PlaylistDropTarget(QAbstractItemView *list);

signals:
    void dropped(const QList<QUrl> &urls);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether the drag in progress carries anything usable.
    bool m_usable = false;
};
