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

// Files dragged onto the play list, and files a later copy of the program hands over. Which
// entries a drop makes: DroppedFiles_test.
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
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &move);
        if (!enter.isAccepted() || !move.isAccepted())
            return false;
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
    static QStringList shown(const QListWidget *list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
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
        QCOMPARE(shown(list), (QStringList{"already", "song", "listed", "a", "b"}));
        QCOMPARE(window.playlist().paths().at(3), dir.filePath(u"folder/a.mp3"_s));
        QVERIFY(media.calls.isEmpty() && m_box.shown.isEmpty());
    }

    // A handed-over file is added and played even when the list holds entries already; a text
    // that names no MP3 file changes nothing.
    void handedOverFilesArePlayed()
    {
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        window.show();
        window.playlist().appendAll({u"/m/a.mp3"_s, u"/m/b.mp3"_s});
        window.playFiles({u"/m/notes.txt"_s});
        QCOMPARE(window.playlist().count(), 2);
        window.playFiles({u"/m/new.mp3"_s});
        QCOMPARE(window.playlist().selectedIndex(), 2);
        QCOMPARE(media.fileName(), u"/m/new.mp3"_s);
        QCOMPARE(window.controls().status->text(), u" Playing "_s);
    }

    // Without a file, the window shown comes forward: the main window, or the tool window in
    // its place.
    void aStartWithoutAFileBringsTheShownWindowForward()
    {
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        window.show();
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
