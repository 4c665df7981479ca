#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QtTest>

#include "FakeMediaComponent.h"
#include "PlayerWindow.h"
#include "ScriptedMessageBox.h"
#include "ScriptedSoundCommands.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

// Files dragged onto the play list, and what a later copy of the program hands over.
class PlaylistDropTest : public QObject {
    Q_OBJECT
private:
    ScriptedSoundCommands m_sound;
    ScriptedMessageBox m_box;

    // Drags urls over the list and drops them; gives whether the drag was taken.
    static bool dragAndDrop(QListWidget *list, const QStringList &paths)
    {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString &path : paths)
            urls << QUrl::fromLocalFile(path);
        data.setUrls(urls);
        QWidget *target = list->viewport();
        const QPoint at = target->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }

private slots:
    // An .mp3, a play list's entries and a folder's .mp3 files join the list; a text file is
    // passed over, and a drag of nothing else is refused. Nothing plays, nothing is asked.
    void droppedFilesJoinThePlayList()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        for (const char *name : {"song.mp3", "notes.txt", "folder/b.mp3", "folder/a.mp3"})
            QVERIFY(TestMedia::writeFile(dir.filePath(QLatin1String(name)), "x"));
        QVERIFY(TestMedia::writeFile(dir.filePath(u"list.m3u"_s), "/m/listed.mp3\r\n"));
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        QListWidget *list = window.controls().playlist;
        window.show();
        window.playlist().append(u"/m/already.mp3"_s);

        QVERIFY(!dragAndDrop(list, {dir.filePath(u"notes.txt"_s)}));
        QVERIFY(dragAndDrop(list, {dir.filePath(u"song.mp3"_s), dir.filePath(u"notes.txt"_s),
                                   dir.filePath(u"list.m3u"_s), dir.filePath(u"folder"_s)}));
        QCOMPARE(list->count(), 5);
        QCOMPARE(window.playlist().paths().mid(1),
                 (QStringList{dir.filePath(u"song.mp3"_s), u"/m/listed.mp3"_s,
                              dir.filePath(u"folder/a.mp3"_s), dir.filePath(u"folder/b.mp3"_s)}));
        QVERIFY(media.calls.isEmpty() && m_box.shown.isEmpty());
    }

    // A handed-over file joins the list and plays, a text naming no MP3 file is passed over;
    // without a file, the window shown comes forward (or the tool window shown in its place).
    void laterStartsReachTheWindow()
    {
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        window.show();
        window.playlist().append(u"/m/a.mp3"_s);
        window.playFiles({u"/m/notes.txt"_s, u"/m/new.mp3"_s});
        QCOMPARE(window.playlist().count(), 2);
        QCOMPARE(window.playlist().selectedIndex(), 1);
        QCOMPARE(media.fileName(), u"/m/new.mp3"_s);
        QCOMPARE(window.controls().status->text(), u" Playing "_s);
        window.showMinimized();
        window.comeForward();
        QVERIFY(!window.isMinimized());
        QWidget tool;
        tool.show();
        window.hide();
        window.comeForward();
        QVERIFY(QTest::qWaitForWindowActive(&tool));
    }
};

TAVRO_QTEST_MAIN(PlaylistDropTest)
#include "PlaylistDrop_test.moc"
