// Shows the searcher window after a search of the folder given, for a screenshot: once the
// search is done it writes the file named second, and stays open until it is killed.
// "searcher_shot encoder ..." shows the encoder window instead (EncoderShot).
#include "EncoderShot.h"
#include "controls/DirListBox.h"
#include "controls/chameleonButton.h"
#include "mp3/Form7.h"
#include "player/Playlist.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "encoder") == 0)
        return EncoderShot::run(QApplication::arguments().mid(2));
    if (argc != 3) {
        qCritical("usage: searcher_shot FOLDER READY-FILE");
        return 2;
    }
    Playlist playlist;
    Form7 form(playlist);
    form.show();
    form.findChild<DirListBox *>(QStringLiteral("Dir1"))->setPath(QString::fromLocal8Bit(argv[1]));
    QTimer::singleShot(300, &form, [&] {
        form.findChild<chameleonButton *>(QStringLiteral("chameleonButton1"))->click();
        QTimer::singleShot(300, &form, [&] {
            QFile ready(QString::fromLocal8Bit(argv[2]));
            ready.open(QIODevice::WriteOnly);
        });
    });
    return QApplication::exec();
}
