#include "EncoderShot.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include "CdToMp3Window.h"
#include "ShotStage.h"
#include "WidgetLookup.h"

QWidget *EncoderShot::make(ShotStage &stage, const QStringList &args)
{
    auto *form = new CdToMp3Window;
    // The drives are listed once the window shows.
    QTimer::singleShot(500, form, [&stage, form, row = args.at(0).toInt(), output = args.at(1)] {
        auto *tracks = child<QTreeWidget>(*form, QStringLiteral("lvwTracks"));
        tracks->clearSelection();
        if (QTreeWidgetItem *item = tracks->topLevelItem(row))
            item->setSelected(true);
        child<QLineEdit>(*form, QStringLiteral("txtOutputMp3File"))->setText(output);
        child<QAbstractButton>(*form, QStringLiteral("cmdRip"))->click();
        // The run goes on a worker; Close comes back when it is over.
        auto *close = child<QAbstractButton>(*form, QStringLiteral("cmdClose"));
        stage.readyWhen(form, [close] { return close->isEnabled(); });
    });
    return form;
}
