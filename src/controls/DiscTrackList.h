#pragma once

#include <QList>
#include <QStringList>
#include <QTreeWidget>

class DiscToc;

// A disc's tracks as a report list: one row per table-of-contents entry (name "Track 07", track
// number, start, length, size "0.51MB"), or one row saying why there is none ("No CD In Drive").
// Each window that lists a disc gives its own header captions.
class DiscTrackList : public QTreeWidget {
    Q_OBJECT
public:
    enum Column { Name, Track, StartTime, Length, Size };

    // headers: the five captions, in column order.
    explicit DiscTrackList(const QStringList &headers, QWidget *parent = nullptr);

    // Empties the list and turns it off.
    void clearTracks();
    // One row with this text; the list stays off.
    void showReason(const QString &text);
    // A row per entry, its position from 1 kept in Qt::UserRole of the name, each selected as it
    // is added (so with single selection the last one stays selected); the list is on when there
    // is at least one.
    void showDisc(const DiscToc &toc);
    // Positions of the selected rows.
    QList<qint32> selectedPositions() const;
};
