#include "Mp3WindowShots.h"

#include <QAbstractButton>
#include <QListWidget>
#include <QTabWidget>
#include <QTimer>

#include "DirListBox.h"
#include "Mp3InfoWindow.h"
#include "Mp3SearchWindow.h"
#include "RenamerPage.h"
#include "ShotStage.h"
#include "TagEditorPage.h"
#include "TagEditorWindow.h"
#include "WidgetLookup.h"

QWidget *Mp3WindowShots::searcher(ShotStage &stage, const QStringList &args)
{
    auto *form = new Mp3SearchWindow(stage.playlist());
    auto *folders = child<DirListBox>(*form, QStringLiteral("Dir1"));
    folders->setPath(args.at(0));
    QTimer::singleShot(300, form, [&stage, form, folders, folder = args.at(0)] {
        auto *search = child<QAbstractButton>(*form, QStringLiteral("chameleonButton1"));
        search->click();
        // Search is off while the walk runs. Its end goes back to the drive's top folder, which
        // would show the machine's own folders, so the searched one is chosen again.
        stage.when([search] { return search->isEnabled(); },
                   [&stage, form, folders, folder] {
                       folders->setPath(folder);
                       stage.readyNow(form);
                   });
    });
    return form;
}

QWidget *Mp3WindowShots::info(ShotStage &stage, const QStringList &args)
{
    stage.playlist().append(args.at(0));
    stage.playlist().setSelectedIndex(0);
    auto *form = new Mp3InfoWindow(stage.playlist());
    stage.readyNow(form);
    return form;
}

QWidget *Mp3WindowShots::tags(ShotStage &stage, const QStringList &args)
{
    auto *editor = new TagEditorWindow;
    editor->findChild<TagEditorPage *>()->setFolder(args.at(0));
    child<QListWidget>(*editor, QStringLiteral("FileList_0"))->setCurrentRow(0);
    stage.readyNow(editor);
    return editor;
}

QWidget *Mp3WindowShots::renamer(ShotStage &stage, const QStringList &args)
{
    auto *editor = new TagEditorWindow;
    child<QTabWidget>(*editor, QStringLiteral("SSTab1"))->setCurrentIndex(1);
    editor->findChild<RenamerPage *>()->setFolder(args.at(0));
    child<QAbstractButton>(*editor, QStringLiteral("optArrange_5"))->click();
    auto *renameAll = child<QAbstractButton>(*editor, QStringLiteral("cmd_4"));
    renameAll->click();
    // RENAME ALL is off while the run goes on.
    stage.readyWhen(editor, [renameAll] { return renameAll->isEnabled(); });
    return editor;
}
