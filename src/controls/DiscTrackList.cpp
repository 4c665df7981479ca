#include "DiscTrackList.h"

#include <QHeaderView>

#include "DiscToc.h"
#include "TrackRowTexts.h"

DiscTrackList::DiscTrackList(const QStringList &headers, QWidget *parent) : QTreeWidget(parent)
{
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAlternatingRowColors(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setHeaderLabels(headers);
    // The name takes the room the number columns leave.
    QHeaderView *header = this->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(Name, QHeaderView::Stretch);
    const int widths[] = {48, 64, 64, 64};
    for (int column = Track; column <= Size; ++column) {
        header->resizeSection(column, widths[column - Track]);
        headerItem()->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void DiscTrackList::clearTracks()
{
    clear();
    setEnabled(false);
}

void DiscTrackList::showReason(const QString &text) { new QTreeWidgetItem(this, {text}); }

void DiscTrackList::showDisc(const DiscToc &toc)
{
    for (qint32 i = 1; i <= toc.Count(); ++i) {
        const DiscTocEntry &entry = toc.Entry(i);
        auto *row = new QTreeWidgetItem(this, {TrackRowTexts::Name(entry),
                                               QString::number(entry.TrackNumber()),
                                               entry.FormattedStartTime(), entry.FormattedLength(),
                                               TrackRowTexts::Size(entry)});
        row->setData(Name, Qt::UserRole, i);
        for (int column = Track; column <= Size; ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        if (selectionMode() == QAbstractItemView::SingleSelection)
            setCurrentItem(row);
        else
            row->setSelected(true);
    }
    setEnabled(toc.Count() >= 1);
}

QList<qint32> DiscTrackList::selectedPositions() const
{
    QList<qint32> positions;
    for (const QTreeWidgetItem *row : selectedItems())
        positions << row->data(Name, Qt::UserRole).toInt();
    return positions;
}

#include "moc_DiscTrackList.cpp"
