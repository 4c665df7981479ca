#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include "ChameleonButton.h"
#include "FakeMediaComponent.h"
#include "FileNameCodec.h"
#include "Mp3MediaComponent.h"
#include "PlayerWindow.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "ScriptedSoundCommands.h"
#include "SeekBar.h"
#include "TestDisc.h"
#include "TestMedia.h"
#include "TitleLabel.h"
#include "WidgetLookup.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

class PlayerWindowTest : public QObject {
    Q_OBJECT
private:
    ScriptedSoundCommands m_sound;

    static void click(QWidget *widget, QPoint at = {})
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    static QPoint entry(QListWidget *list, int row)
    {
        return list->visualItemRect(list->item(row)).center();
    }
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
    void buttonsReachTheEngineAndTheLabelsFollowIt()
    {
        ScriptedMessageBox box;
        ScriptedFileDialog dialog;
        FakeMediaComponent media;
        media.durationSeconds = 75;
        PlayerWindow window(media, m_sound);
        const PlayerWindowControls &ui = window.controls();
        window.show();
        dialog.openAnswers = {u"/music/first song.mp3"_s, u"/music/second.mp3"_s};
        click(ui.open);
        click(ui.open);
        QCOMPARE(ui.playlist->item(0)->text(), u"first song"_s);
        click(ui.playlist->viewport(), entry(ui.playlist, 1));
        click(ui.play);
        QCOMPARE(media.fileName(), u"/music/second.mp3"_s);
        media.position = 61;
        QTRY_COMPARE(ui.position->text(), u"1 :0 1"_s); // the tick runs on its own
        QStringList shown;
        for (const QLabel *label : {ui.remaining, ui.length, ui.totalFiles, ui.currentFile,
                                    ui.filePath, ui.status, ui.progress})
            shown << label->text();
        QCOMPARE(shown, (QStringList{"0 : 14", "1 : 15", "2", "2", "/music/second.mp3", " Playing ",
                                     "Current File  81 %  Completed"}));
        QCOMPARE(ui.positionSlider->value(), 61);
        click(ui.seekBar, QPoint(ui.seekBar->width() / 5, 4));
        QVERIFY(qAbs(media.position - 15.0) < 0.2); // a fifth of the way through

        for (ChameleonButton *button : {ui.pause, ui.mute, ui.volumeUp, ui.volumeUp, ui.volumeDown,
                                        ui.speedDown, ui.speedDown, ui.speedUp})
            click(button);
        QCOMPARE((QStringList{ui.pause->Caption(), ui.mute->Caption(), ui.volumeDown->toolTip(),
                              ui.speedUp->toolTip()}),
                 (QStringList{"Resume", "Mute On", "Volume: 60%", "Speed: 95%"}));
        QCOMPARE(std::pair(ui.volumeSlider->value(), ui.speedSlider->value()), std::pair(6, 4));
        QCOMPARE(std::pair(media.volume(), media.rate()), std::pair(-1400, 0.95));
        QVERIFY(media.mute() && media.calls.last() == "pause"_L1);
        click(ui.stop);
        QVERIFY(!ui.pause->isEnabled());
        click(ui.next);
        click(ui.previous);
        QCOMPARE(box.shown.size(), 2); // neither moves after a stop
        QTemporaryDir dir;
        dialog.saveAnswers = {dir.filePath(u"saved.m3u"_s)};
        click(ui.saveList);
        QVERIFY(QFile::exists(dir.filePath(u"saved.m3u"_s)));
        click(ui.deleteEntry);
        QCOMPARE(ui.playlist->count(), 1);
        click(ui.clear);
        QCOMPARE(ui.playlist->count(), 0);
        QCOMPARE(ui.status->text(), u" No File is Selected "_s);
    }

    // The command line plays one lower-case .mp3 path; a click on the entry already selected
    // chooses it again, a double-click plays one; the exit mark stops the sound.
    void startUpEntryClicksAndExit()
    {
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        const PlayerWindowControls &ui = window.controls();
        window.show();
        window.startUp({u"/m/LOUD.MP3"_s});
        QVERIFY(window.playlist().isEmpty());
        window.startUp({u"/m/with"_s, u"blanks.mp3"_s});
        QCOMPARE(media.fileName(), u"/m/with blanks.mp3"_s);
        QCOMPARE(ui.status->text(), u" Playing "_s);
        click(ui.playlist->viewport(), entry(ui.playlist, 0));
        QCOMPARE(ui.status->text(), u" File is selected "_s);
        window.playlist().append(u"/m/b.mp3"_s);
        click(ui.playlist->viewport(), entry(ui.playlist, 1)); // as a double-click arrives
        QTest::mouseDClick(ui.playlist->viewport(), Qt::LeftButton, {}, entry(ui.playlist, 1));
        QTest::mouseRelease(ui.playlist->viewport(), Qt::LeftButton, {}, entry(ui.playlist, 1));
        QCOMPARE(media.fileName(), u"/m/b.mp3"_s);
        QCOMPARE(ui.status->text(), u" Playing "_s);
        // A Latin-1 name shows with a replacement character, and plays by its own bytes.
        const QString latin = FileNameCodec::decode("/m/caf\xe9.mp3");
        window.playlist().append(latin);
        QVERIFY(ui.playlist->item(2)->text().contains(u"caf\ufffd"_s));
        click(ui.playlist->viewport(), entry(ui.playlist, 2));
        QTest::mouseDClick(ui.playlist->viewport(), Qt::LeftButton, {}, entry(ui.playlist, 2));
        QTest::mouseRelease(ui.playlist->viewport(), Qt::LeftButton, {}, entry(ui.playlist, 2));
        QCOMPARE(media.fileName(), latin);
        click(ui.exit);
        QVERIFY(media.calls.endsWith(u"stop"_s) && window.playlist().isEmpty());
        QVERIFY(!window.isVisible());
    }

    // Each tool window shows in place of the main window; back, the main window's levels are in
    // the middle again.
    void toolWindowButtonsShowTheirWindowInPlaceOfTheMainOne()
    {
        QTemporaryDir dir;
        QVERIFY(TestDisc::writeSettings(dir.filePath(u"cdrip.ini"_s), {}));
        qputenv("TAVRO_CDRIP_INI", QFile::encodeName(dir.filePath(u"cdrip.ini"_s)));
        TestMedia::writeFile(dir.filePath(u"song.mp3"_s), "not really audio");
        ScriptedMessageBox box;
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        const PlayerWindowControls &ui = window.controls();
        window.show();
        click(ui.openInfo); // nothing selected: a message, no window
        QVERIFY(box.shown.size() == 1 && window.isVisible());
        window.playlist().append(dir.filePath(u"song.mp3"_s));
        window.playlist().setSelectedIndex(0);

        const struct {
            ChameleonButton *PlayerWindowControls::*button;
            const char *window;
            const char *close;
        } cases[] = {
            {&PlayerWindowControls::openInfo, "Mp3InfoWindow", "cmdClose"},
            {&PlayerWindowControls::editTags, "TagEditorWindow", "cmdClose"},
            {&PlayerWindowControls::ripMp3, "CdToMp3Window", "cmdClose"},
            {&PlayerWindowControls::record, "RecorderWindow", "cmdClose"},
            {&PlayerWindowControls::search, "Mp3SearchWindow", "chameleonButton2"},
            {&PlayerWindowControls::audioCd, "CdPlayerWindow", "chameleonButton1"},
            {&PlayerWindowControls::cutMerge, "CutMergeWindow", "Command3"},
            {&PlayerWindowControls::about, "AboutWindow", "Command3"},
        };
        for (const auto &c : cases) {
            click(ui.volumeUp);
            click(ui.*c.button);
            QPointer<QWidget> tool;
            for (QWidget *shown : QApplication::topLevelWidgets())
                if (shown->isVisible())
                    tool = shown;
            QVERIFY2(tool && tool->metaObject()->className() == QByteArray(c.window), c.window);
            QVERIFY(!window.isVisible());
            click(child<ChameleonButton>(*tool, QLatin1String(c.close)));
            QTRY_VERIFY2(window.isVisible() && (!tool || !tool->isVisible()), c.window);
            QApplication::setActiveWindow(&window);
            QTRY_COMPARE(ui.volumeSlider->value(), 5);
        }
        QCOMPARE(box.shown.size(), 1);
        qunsetenv("TAVRO_CDRIP_INI");
    }

    // An .mp3, a play list's entries and a folder's .mp3 files join the list; a text file is
    // passed over, and a drag of nothing else is refused. Nothing plays, nothing is asked.
    void droppedFilesJoinThePlayList()
    {
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkdir(u"folder"_s));
        for (const char *name : {"song.mp3", "notes.txt", "folder/b.mp3", "folder/a.mp3"})
            QVERIFY(TestMedia::writeFile(dir.filePath(QLatin1String(name)), "x"));
        QVERIFY(TestMedia::writeFile(dir.filePath(u"list.m3u"_s), "/m/listed.mp3\r\n"));
        ScriptedMessageBox box;
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
        QVERIFY(media.calls.isEmpty() && box.shown.isEmpty());
    }

    // A handed-over file joins the list and plays, a text naming no MP3 file is passed over;
    // without a file, the window shown comes forward (or the tool window shown in its place).
    void laterStartsReachTheWindow()
    {
        ScriptedMessageBox box;
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

    // The association options register this program for .mp3 files on the desktop and take that
    // back, without a message. What they write: DesktopAssociation_test.
    void associationOptionsMakeAndRemoveTheDesktopsDefault()
    {
        QTemporaryDir dir;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dir.path()));
        ScriptedMessageBox box;
        FakeMediaComponent media;
        PlayerWindow window(media, m_sound);
        window.show();
        const QString entry = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
        click(child<QRadioButton>(window, u"Option1"_s));
        QVERIFY(TestMedia::readFile(dir.filePath(u"mimeapps.list"_s))
                    .contains("\naudio/mpeg=" + entry.toUtf8() + ".desktop;\n"));
        click(child<QRadioButton>(window, u"Option2"_s));
        QVERIFY(!QFile::exists(dir.filePath(u"mimeapps.list"_s)) && box.shown.isEmpty());
    }

    // The whole chain with the real component and the system's sound device (the private sound
    // server's null sink): broken files on the play list are passed over, and the last entry, a
    // real 3-second file, plays out loud at the right volume to its end and starts again.
    void brokenFilesArePassedOverAndTheLastEntryReplaysThroughTheSoundServer()
    {
        QTemporaryDir dir;
        const QString good = dir.filePath(u"good.mp3"_s);
        QVERIFY(TestMedia::makeMp3(good, 3.0));
        QStringList paths;
        for (const QByteArray &bytes : {QByteArray(), QByteArray("just words\n").repeated(300),
                                        TestMedia::readFile(good).left(3000)}) {
            paths << dir.filePath(u"%1.mp3"_s.arg(paths.size()));
            TestMedia::writeFile(paths.last(), bytes);
        }
        QProcess recorder;
        const bool listening = qEnvironmentVariableIsSet("PULSE_SERVER");
        QVERIFY(!listening || TestMedia::recordSink(recorder));

        Mp3MediaComponent media;
        PlayerWindow window(media, m_sound);
        window.show();
        window.playlist().appendAll(paths + QStringList{u"/no/such.mp3"_s, good});
        window.playlist().setSelectedIndex(0);
        window.engine().StartPlayback();
        double highest = 0.0;
        bool restarted = false;
        connect(&window.engine(), &PlaybackEngine::displayChanged, this, [&] {
            const double marker = window.engine().display().marker;
            restarted = restarted || (highest > 2.9 && marker < 1.0);
            highest = std::max(highest, marker);
        });
        QTRY_VERIFY_WITH_TIMEOUT(restarted, 20000);
        QCOMPARE(window.playlist().selectedIndex(), 4);
        QCOMPARE(window.controls().status->text(), u" Playing "_s);
        QCOMPARE(window.controls().playlist->count(), 5);
        // A half-scale tone at the window's middle volume, -17.5 dB: about 0.067 of full scale.
        const double peak = TestMedia::peak(recorder.readAllStandardOutput());
        QVERIFY2(!listening || (peak > 0.04 && peak < 0.1), qPrintable(QString::number(peak)));
        recorder.kill();
        recorder.waitForFinished();
    }
};

TAVRO_QTEST_MAIN(PlayerWindowTest)
#include "PlayerWindow_test.moc"
