#include "EncoderShot.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTimer>
#include <QTreeWidget>

#include "CdToMp3Window.h"
#include "ChameleonButton.h"

namespace {
void writeGeometry(const QWidget &form, const QString &readyFile)
{
    QFile ready(readyFile);
    if (ready.open(QIODevice::WriteOnly))
        ready.write(QStringLiteral("%1x%2+%3+%4")
                        .arg(form.width())
                        .arg(form.height())
                        .arg(form.x())
                        .arg(form.y())
                        .toUtf8());
}
} // namespace

int EncoderShot::run(const QStringList &args)
{
    if (args.size() != 3) {
        qCritical("usage: window_shot encoder TRACK-ROW OUT.mp3 READY-FILE");
        return 2;
    }
    CdToMp3Window form;
    form.show();
    QTimer::singleShot(500, &form, [&] {
        auto *tracks = form.findChild<QTreeWidget *>(QStringLiteral("lvwTracks"));
        tracks->clearSelection();
        if (QTreeWidgetItem *row = tracks->topLevelItem(args.at(0).toInt()))
            row->setSelected(true);
        form.findChild<QLineEdit *>(QStringLiteral("txtOutputMp3File"))->setText(args.at(1));
        form.findChild<ChameleonButton *>(QStringLiteral("cmdRip"))->click();
        // The run goes on a worker; Close comes back when it is over.
        auto *close = form.findChild<ChameleonButton *>(QStringLiteral("cmdClose"));
        auto *poll = new QTimer(&form);
        QObject::connect(poll, &QTimer::timeout, &form, [&, close, poll] {
            if (!close->isEnabled())
                return;
            poll->stop();
            QTimer::singleShot(300, &form, [&] { writeGeometry(form, args.at(2)); });
        });
        poll->start(100);
    });
    return QApplication::exec();
}
