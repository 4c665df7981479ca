// Shows one tool window in a state worth a screenshot, for bench/window_shot.sh. Once the window
// is ready it writes its geometry ("WIDTHxHEIGHT+X+Y") to the file named last and stays open until
// it is killed. Windows:
//   searcher FOLDER  the searcher after a search of FOLDER
//   info FILE        the information window for FILE
//   tags FOLDER      the tags editor's ID3 page with the first MP3 file of FOLDER clicked
//   renamer FOLDER   the tags editor's RENAMER page after "RENAME ALL" in FOLDER
//   encoder ROW OUT.mp3   the CD-to-MP3 encoder after encoding one track (EncoderShot)
//   cdplayer -       the CD player playing the first drive of $TAVRO_CDRIP_INI
#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include "CdPlayerWindow.h"
#include "ChameleonButton.h"
#include "DirListBox.h"
#include "EncoderShot.h"
#include "Mp3InfoWindow.h"
#include "Mp3SearchWindow.h"
#include "Playlist.h"
#include "RenamerPage.h"
#include "SoundCommandService.h"
#include "TagEditorPage.h"
#include "TagEditorWindow.h"

namespace {
template <typename T> T *child(const QWidget *window, const char *name)
{
    T *widget = window->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

void click(const QWidget *window, const char *name)
{
    child<QAbstractButton>(window, name)->click();
}

// Made and brought into shape; the searcher's search runs once it shows.
QWidget *makeWindow(const QString &kind, const QString &target, Playlist &playlist,
                    SoundCommands &sound)
{
    if (kind == QLatin1String("cdplayer")) {
        auto *form = new CdPlayerWindow(sound, {}, {});
        QTimer::singleShot(300, form, [form] {
            click(form, "chameleonButton7");
            click(form, "chameleonButton2");
        });
        return form;
    }
    if (kind == QLatin1String("searcher")) {
        auto *form = new Mp3SearchWindow(playlist);
        child<DirListBox>(form, "Dir1")->setPath(target);
        QTimer::singleShot(300, form, [form] { click(form, "chameleonButton1"); });
        return form;
    }
    if (kind == QLatin1String("info")) {
        playlist.append(target);
        playlist.setSelectedIndex(0);
        return new Mp3InfoWindow(playlist);
    }
    auto *editor = new TagEditorWindow;
    if (kind == QLatin1String("tags")) {
        editor->findChild<TagEditorPage *>()->setFolder(target);
        child<QListWidget>(editor, "FileList_0")->setCurrentRow(0);
        return editor;
    }
    if (kind == QLatin1String("renamer")) {
        child<QTabWidget>(editor, "SSTab1")->setCurrentIndex(1);
        editor->findChild<RenamerPage *>()->setFolder(target);
        click(editor, "optArrange_5");
        click(editor, "cmd_4");
        return editor;
    }
    return nullptr;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavro"));
    if (argc > 1 && qstrcmp(argv[1], "encoder") == 0)
        return EncoderShot::run(QApplication::arguments().mid(2));
    Playlist playlist;
    SoundCommandService sound;
    QWidget *window = argc == 4 ? makeWindow(QString::fromLocal8Bit(argv[1]),
                                             QString::fromLocal8Bit(argv[2]), playlist, sound)
                                : nullptr;
    if (!window) {
        qCritical(
            "usage: window_shot searcher|info|tags|renamer|cdplayer FOLDER-OR-FILE READY-FILE");
        return 2;
    }
    window->show();
    QTimer::singleShot(900, window, [window, ready = QString::fromLocal8Bit(argv[3])] {
        const QRect frame = window->frameGeometry();
        QFile file(ready);
        if (file.open(QIODevice::WriteOnly))
            file.write(QStringLiteral("%1x%2+%3+%4\n")
                           .arg(frame.width())
                           .arg(frame.height())
                           .arg(frame.x())
                           .arg(frame.y())
                           .toLatin1());
    });
    return QApplication::exec();
}
