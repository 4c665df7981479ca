#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QtTest>

#include "ControlActions.h"
#include "CutMergeWindow.h"
#include "FakeMediaComponent.h"
#include "PlaybackEngine.h"
#include "Playlist.h"
#include "ProgressBar.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

using namespace Qt::StringLiterals;

// The window over a fake media component (240 s), on files of patterned bytes: the cutter only
// copies bytes. The byte arithmetic itself is tested in the core.
class CutMergeWindowTest : public QObject {
    Q_OBJECT
private:
    std::unique_ptr<QTemporaryDir> m_dir; // one per test
    ScriptedFileDialog m_dialog;
    ScriptedMessageBox m_box;
    FakeMediaComponent m_media;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString write(const QString &name, qint64 length) const
    {
        QByteArray bytes(length, '\0');
        for (qint64 i = 0; i < length; ++i)
            bytes[i] = char(i % 251);
        TestMedia::writeFile(path(name), bytes);
        return path(name);
    }
    void open(QWidget &form, const QString &file)
    {
        m_dialog.openAnswers << file;
        click(form, "Command1");
    }
    // Lets the tick show the position, then presses Start or Finish there.
    void mark(QWidget &form, double seconds, const char *button)
    {
        m_media.position = seconds;
        QTRY_COMPARE(text(form, "Label3"), u"File Position :  %1 Sec"_s.arg(seconds));
        click(form, button);
    }
    static QListWidget *list(QWidget &form) { return child<QListWidget>(form, u"List1"_s); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_box.shown.clear();
        m_dialog.filters.clear();
        m_media.calls.clear();
        m_media.position = 0.0;
        m_media.durationSeconds = 240.0;
    }

    void refusesInOrderAndPlaysTheSelectedEntry()
    {
        CutMergeWindow form(m_media);
        form.show();
        QCOMPARE(form.windowTitle(), u"TAVRO  MP3  CUTTER  &  MERGER"_s);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!child<ProgressBar>(form, u"Progress"_s)->isVisible());
        for (const char *button : {"Command4", "chameleonButton1", "Command2", "C1"})
            click(form, button);
        QVERIFY(child<ProgressBar>(form, u"Progress"_s)->isVisible());
        m_dialog.openAnswers << write("a.mp3", 10);
        click(form, "Command15_1");
        click(form, "C1");
        open(form, write("first.mp3", 2097152));
        click(form, "Command2"); // marks 0 and 0
        click(form, "chameleonButton2");
        QCOMPARE(text(form, "Label7"), u"End Of File : 0Sec"_s);
        click(form, "Command2"); // Finish without Start: still 0 and 0
        QStringList prompts;
        for (const ScriptedMessageBox::Shown &shown : m_box.shown)
            prompts << shown.prompt + shown.title;
        const QString title = u" File Selection Error "_s;
        QCOMPARE(
            prompts,
            (QStringList{"   Please select a song to play!" + title,
                         "  There is no file to cut. Please select a song to play and cut!" + title,
                         "   Please select a song to play and Cut!" + title,
                         "   Please specify original mp3 file name!   " + title,
                         "   Please specify attachment file name!   " + title,
                         "   End Of File must be greater than Beginning Of File!" + title,
                         "   End Of File must be greater than Beginning Of File!" + title}));
        QCOMPARE(m_dialog.filters, QStringList(2, u"MP3 Files (*.mp3)|*.mp3"_s));

        open(form, write("second.mp3", 10));
        QTest::mouseClick(list(form)->viewport(), Qt::LeftButton, {},
                          list(form)->visualItemRect(list(form)->item(0)).center());
        QCOMPARE(text(form, "Label5") + text(form, "Label2"), u"File Name:first.mp32"_s);
        open(form, write("third.mp3", 10));
        QCOMPARE(text(form, "Label5"), u"File Name : third.mp3"_s);
        click(form, "Command4"); // the selected entry is still the current file
        QCOMPARE(m_media.fileName(), path("first.mp3"));
    }

    void cutsTheMarkedStretchAndShowsIt()
    {
        const QString in = write("in.mp3", 4800000);
        const QByteArray stretch = TestMedia::readFile(in).mid(599999, 1200000);
        CutMergeWindow form(m_media);
        form.show();
        open(form, in);
        QCOMPARE(text(form, "Label5"), u"File Name : in.mp3"_s);
        QCOMPARE(text(form, "Label10") + text(form, "Label2") + text(form, "Label11"),
                 u"File Size : 4.57763671875MB"_s);
        QCOMPARE(m_dialog.filters, QStringList{"Mp3 File|*.mp3"});
        click(form, "Command4");
        QCOMPARE(m_media.calls, (QStringList{"setFileName", "play"}));
        QCOMPARE(child<QSlider>(form, u"Slider1"_s)->maximum(), 240);

        mark(form, 60.0, "chameleonButton2"); // Finish first: no beginning since Open
        click(form, "Command2");
        QCOMPARE(m_box.shown.last().prompt,
                 u"   There is no Beginning or End Of File Selection!"_s);
        mark(form, 30.4, "chameleonButton1");
        QCOMPARE(text(form, "Label6") + text(form, "Label4"),
                 u"Beginning Of File : 30.4SecFile Length :  240 Sec"_s);
        mark(form, 89.5, "chameleonButton2"); // the mark is 90: halves to even
        QCOMPARE(text(form, "Label7"), u"End Of File : 89.5Sec"_s);
        m_dialog.saveAnswers << path("cut.mp3") << QString(); // the second one cancelled
        click(form, "Command2");
        QTRY_COMPARE(text(form, "Label8"), u"New Length : 60 Sec"_s);
        QVERIFY(TestMedia::readFile(path("cut.mp3")) == stretch);
        QCOMPARE(text(form, "Label9") + text(form, "Label12") + text(form, "Label13") +
                     text(form, "Label14"),
                 u"New Name : cut.mp3New Size :  1.1444091796875MB"_s);
        QCOMPARE(text(form, "Label19"), "New Path : "_L1 + path("cut.mp3"));
        click(form, "Command2"); // cancelled: nothing written
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden),
                 (QStringList{"cut.mp3", "in.mp3"}));

        child<QSlider>(form, u"Slider1"_s)->setValue(100); // as the user drags it
        QCOMPARE(m_media.position, 100.0);
        click(form, "Command6");
        QCOMPARE(m_media.calls.last(), u"stop"_s);
        QCOMPARE(list(form)->count(), 0);
        for (const char *label : {"Label2", "Label5", "Label7", "Label8", "Label13", "Label19"})
            QVERIFY2(text(form, label).isEmpty(), label);
    }

    void mergesOneJobAtATimeAndCloseWaitsForIt()
    {
        const QString base = write("base.mp3", 2500000), attachment = write("att.mp3", 700000);
        CutMergeWindow form(m_media);
        form.show();
        m_dialog.openAnswers << base << attachment;
        click(form, "Command15_1");
        click(form, "Command15_0");
        QCOMPARE(text(form, "Label20") + text(form, "Label18"), u"base.mp3att.mp3"_s);
        m_dialog.saveAnswers << path("out.mp3") << path("second.mp3");
        click(form, "C1");
        click(form, "C1"); // refused while the first runs: its dialog is not shown
        QCOMPARE(m_dialog.saveAnswers, QStringList{path("second.mp3")});
        QTRY_COMPARE(text(form, "L3"), u"Result : File has been attached at the end of original "
                                       "file successfully !"_s);
        QCOMPARE(child<ProgressBar>(form, u"Progress"_s)->Value(), 100.0f);
        QVERIFY(TestMedia::readFile(path("out.mp3")) ==
                TestMedia::readFile(base) + TestMedia::readFile(attachment));

        QFile large(path("large.mp3")); // long enough to be running when Close comes
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(1) << 30));
        large.close();
        m_dialog.openAnswers << large.fileName();
        click(form, "Command15_1");
        m_dialog.saveAnswers = QStringList{path("never.mp3")};
        click(form, "C1");
        click(form, "Command3");
        QVERIFY(form.isVisible());
        QTRY_VERIFY(!form.isVisible());
        QVERIFY(!QFileInfo::exists(path("never.mp3")));
    }

    // Close stops the main window's playback as Stop does (Player_test), but the speed tooltip
    // stays and the tick runs on.
    void closeResetsTheMainWindowsPlayback()
    {
        Playlist playlist;
        PlaybackEngine engine(m_media, playlist);
        playlist.append(write("song.mp3", 10));
        playlist.setSelectedIndex(0);
        engine.StartPlayback();
        engine.speedUp();
        CutMergeWindow form(m_media);
        connect(&form, &CutMergeWindow::playerResetRequested, &engine,
                &PlaybackEngine::stopAfterToolWindow);
        form.show();
        click(form, "Command3");
        QVERIFY(!form.isVisible());
        QCOMPARE(m_media.calls.last(), u"stop"_s);
        QCOMPARE(engine.display().status + engine.display().speedTip, u" Stopped Speed: 105%"_s);
        m_media.position = 7.0;
        QTRY_COMPARE(engine.display().marker, 7.0);
    }
};

TAVRO_QTEST_MAIN(CutMergeWindowTest)
#include "CutMergeWindow_test.moc"
