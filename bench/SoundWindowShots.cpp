#include "SoundWindowShots.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSlider>
#include <QTimer>

#include "CdPlayerWindow.h"
#include "CutMergeWindow.h"
#include "PlayerWindow.h"
#include "RecorderWindow.h"
#include "ShotStage.h"
#include "WidgetLookup.h"

namespace {
// Long enough for the window to show before its sound starts.
constexpr int kStartMs = 300;
// Two seconds in, so the times on screen have moved.
constexpr double kPlayedSeconds = 2.2;
const QLatin1String kPlayedTime("00:02");

void click(const QWidget &window, const char *name)
{
    child<QAbstractButton>(window, QLatin1String(name))->click();
}

QLabel *label(const QWidget &window, const char *name)
{
    return child<QLabel>(window, QLatin1String(name));
}

// The cutter's marks at a quarter and three quarters of the file: its slider seeks, then the mark
// buttons read the position. Paused meanwhile, so the labels show whole seconds rather than what
// played between the seek and the reading.
void markMiddleHalf(const QWidget &form, MediaComponent &media)
{
    auto *slider = child<QSlider>(form, QStringLiteral("Slider1"));
    const int seconds = slider->maximum();
    media.pause();
    slider->setValue(seconds / 4);
    click(form, "chameleonButton1");
    slider->setValue(seconds * 3 / 4);
    click(form, "chameleonButton2");
    media.play();
}
} // namespace

QWidget *SoundWindowShots::player(ShotStage &stage, const QStringList &args)
{
    auto *window = new PlayerWindow(stage.media(), stage.sound());
    QTimer::singleShot(kStartMs, window, [&stage, window, args] {
        window->playlist().appendAll(args.mid(1));
        window->playlist().setSelectedIndex(args.at(0).toInt() - 1);
        window->engine().StartPlayback(false);
        stage.readyWhen(window,
                        [&stage] { return stage.media().currentPosition() >= kPlayedSeconds; });
    });
    return window;
}

QWidget *SoundWindowShots::cdplayer(ShotStage &stage, const QStringList &)
{
    auto *form = new CdPlayerWindow(stage.sound(), {}, {});
    QTimer::singleShot(kStartMs, form, [&stage, form] {
        click(*form, "chameleonButton7"); // Refresh
        click(*form, "chameleonButton2"); // Play
        QLabel *position = label(*form, "Label4");
        stage.readyWhen(form, [position] { return position->text() >= kPlayedTime; });
    });
    return form;
}

QWidget *SoundWindowShots::cutmerge(ShotStage &stage, const QStringList &args)
{
    auto *form = new CutMergeWindow(stage.media());
    stage.fileDialog().openAnswers = {args.at(0), args.at(0), args.at(1)};
    stage.fileDialog().saveAnswers = {args.at(2), args.at(3)};
    QTimer::singleShot(kStartMs, form, [&stage, form] {
        click(*form, "Command1"); // Open
        click(*form, "Command4"); // Play
        markMiddleHalf(*form, stage.media());
        click(*form, "Command2"); // Cut MP3
        // One job at a time: the merge waits for the cut's "New Path".
        QLabel *newPath = label(*form, "Label19");
        stage.when([newPath] { return !newPath->text().isEmpty(); },
                   [&stage, form] {
                       click(*form, "Command15_1"); // Browse (original)
                       click(*form, "Command15_0"); // Browse (attachment)
                       click(*form, "C1");          // Merge MP3
                       // The playing position shows from the first tick of the display on.
                       QLabel *result = label(*form, "L3");
                       QLabel *position = label(*form, "Label3");
                       stage.readyWhen(form, [result, position] {
                           return !result->text().isEmpty() && !position->text().isEmpty();
                       });
                   });
    });
    return form;
}

QWidget *SoundWindowShots::recorder(ShotStage &stage, const QStringList &args)
{
    auto *form = new RecorderWindow(stage.sound());
    stage.fileDialog().saveAnswers = {args.at(0)};
    QTimer::singleShot(kStartMs, form, [&stage, form] {
        click(*form, "cmdSave");
        click(*form, "cmdRecord");
        QLabel *time = label(*form, "lblTime");
        stage.readyWhen(form, [time] { return time->text() >= kPlayedTime; });
    });
    return form;
}
