// Shows one window of the program in a state worth a screenshot, for scripts/screenshots.sh. Once
// the window is in shape it writes its rectangle on the screen, in device pixels
// ("WIDTHxHEIGHT+X+Y"), to the ready file named last, and stays open until it is killed.
#include <memory>

#include <QApplication>
#include <QCursor>

#include "AboutWindow.h"
#include "EncoderShot.h"
#include "Mp3WindowShots.h"
#include "ShotStage.h"
#include "SoundWindowShots.h"

namespace {
struct Window {
    const char *name;
    const char *arguments; // for the usage text
    qsizetype fewest;      // arguments
    qsizetype most;
    QWidget *(*make)(ShotStage &, const QStringList &);
};

QWidget *about(ShotStage &stage, const QStringList &)
{
    auto *form = new AboutWindow;
    stage.readyNow(form);
    return form;
}

constexpr qsizetype kAny = 1000;
const Window kWindows[] = {
    {"player", "N FILE...", 2, kAny, SoundWindowShots::player},
    {"searcher", "FOLDER", 1, 1, Mp3WindowShots::searcher},
    {"info", "FILE", 1, 1, Mp3WindowShots::info},
    {"tags", "FOLDER", 1, 1, Mp3WindowShots::tags},
    {"renamer", "FOLDER", 1, 1, Mp3WindowShots::renamer},
    {"encoder", "TRACK-ROW OUT.mp3", 2, 2, EncoderShot::make},
    {"cdplayer", "[-]", 0, 1, SoundWindowShots::cdplayer},
    {"cutmerge", "FILE ATTACHMENT CUT.mp3 MERGED.mp3", 4, 4, SoundWindowShots::cutmerge},
    {"recorder", "OUT.mp3", 1, 1, SoundWindowShots::recorder},
    {"about", "", 0, 0, about},
};

const Window *findWindow(const QString &name, qsizetype arguments)
{
    for (const Window &window : kWindows)
        if (name == QLatin1String(window.name))
            return arguments >= window.fewest && arguments <= window.most ? &window : nullptr;
    return nullptr;
}

int usage()
{
    QString text = QStringLiteral("usage: window_shot WINDOW ARGUMENT... READY-FILE, where WINDOW "
                                  "ARGUMENT... is one of:");
    for (const Window &window : kWindows)
        text += QStringLiteral("\n  %1 %2")
                    .arg(QLatin1String(window.name), QLatin1String(window.arguments));
    qCritical("%s", qPrintable(text));
    return 2;
}
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavro"));
    QApplication::setApplicationDisplayName(QStringLiteral("TAVRO MP3 PLAYER 1.6 BETA"));
    const QStringList args = QApplication::arguments();
    const Window *kind = args.size() >= 3 ? findWindow(args.at(1), args.size() - 3) : nullptr;
    if (!kind)
        return usage();
    // The pointer would light up a button under the middle of the screen.
    QCursor::setPos(0, 0);
    ShotStage stage(args.last());
    const std::unique_ptr<QWidget> window(kind->make(stage, args.mid(2, args.size() - 3)));
    window->show();
    return QApplication::exec();
}
