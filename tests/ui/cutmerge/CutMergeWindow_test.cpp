#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "ChameleonButton.h"
#include "CutMergeWindow.h"
#include "FakeMediaComponent.h"
#include "PlaybackEngine.h"
#include "Playlist.h"
#include "ProgressBar.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"
#include "WidgetLookup.h"

using namespace Qt::StringLiterals;

// The window over a fake media component, on files of patterned bytes (the cutter only copies
// bytes, so they need not be audio). The byte arithmetic itself is tested in the core.
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
    static QString text(QWidget &form, const char *name)
    {
        return child<QLabel>(form, QLatin1String(name))->text();
    }
    static void click(QWidget &form, const char *name)
    {
        QTest::mouseClick(child<QWidget>(form, QLatin1String(name)), Qt::LeftButton);
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
        QTRY_COMPARE(text(form, "Label3"),
                     "File Position :  "_L1 + QString::number(seconds) + " Sec"_L1);
        click(form, button);
    }
    QStringList prompts() const
    {
        QStringList all;
        for (const ScriptedMessageBox::Shown &shown : m_box.shown) {
            all << shown.prompt;
            if (shown.title != " File Selection Error "_L1)
                return {u"wrong title"_s};
        }
        return all;
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

    void refusesWhatItCannotDoWithTheMessagesInOrder()
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

        open(form, write("in.mp3", 4800000));
        click(form, "Command2"); // marks 0 and 0
        click(form, "chameleonButton2");
        QCOMPARE(text(form, "Label7"), u"End Of File : 0Sec"_s);
        click(form, "Command2"); // Finish without Start: still marks 0 and 0
        QCOMPARE(prompts(),
                 (QStringList{"   Please select a song to play!",
                              "  There is no file to cut. Please select a song to play and cut!",
                              "   Please select a song to play and Cut!",
                              "   Please specify original mp3 file name!   ",
                              "   Please specify attachment file name!   ",
                              "   End Of File must be greater than Beginning Of File!",
                              "   End Of File must be greater than Beginning Of File!"}));
        QCOMPARE(m_dialog.filters,
                 (QStringList{"MP3 Files (*.mp3)|*.mp3", "MP3 Files (*.mp3)|*.mp3"}));
    }

    void cutsTheMarkedStretchAndShowsIt()
    {
        const QString in = write("in.mp3", 4800000);
        const QByteArray data = TestMedia::readFile(in);
        CutMergeWindow form(m_media);
        form.show();
        open(form, in);
        QCOMPARE(text(form, "Label5"), u"File Name : in.mp3"_s);
        QCOMPARE(text(form, "Label10") + text(form, "Label2") + text(form, "Label11"),
                 u"File Size : 4.57763671875MB"_s);
        QCOMPARE(m_dialog.filters, QStringList{"Mp3 File|*.mp3"});
        click(form, "Command4");
        QCOMPARE(m_media.fileName(), in);
        QCOMPARE(m_media.calls, (QStringList{"setFileName", "play"}));
        QCOMPARE(child<QSlider>(form, u"Slider1"_s)->maximum(), 240);

        mark(form, 60.0, "chameleonButton2"); // Finish first: no beginning since Open
        click(form, "Command2");
        QCOMPARE(m_box.shown.last().prompt,
                 u"   There is no Beginning or End Of File Selection!"_s);
        mark(form, 30.4, "chameleonButton1");
        QCOMPARE(text(form, "Label6"), u"Beginning Of File : 30.4Sec"_s);
        QCOMPARE(text(form, "Label4"), u"File Length :  240 Sec"_s);
        mark(form, 89.5, "chameleonButton2"); // the slider rounds 89.5 to 90 (halves to even)
        QCOMPARE(text(form, "Label7"), u"End Of File : 89.5Sec"_s);
        m_dialog.saveAnswers << path("cut.mp3");
        click(form, "Command2");
        QTRY_COMPARE(text(form, "Label8"), u"New Length : 60 Sec"_s);
        QVERIFY(TestMedia::readFile(path("cut.mp3")) == data.mid(599999, 1200000));
        QCOMPARE(text(form, "Label9"), u"New Name : cut.mp3"_s);
        QCOMPARE(text(form, "Label12") + text(form, "Label13") + text(form, "Label14"),
                 u"New Size :  1.1444091796875MB"_s);
        QCOMPARE(text(form, "Label19"), "New Path : "_L1 + path("cut.mp3"));

        m_dialog.saveAnswers << QString(); // cancelled: nothing written
        click(form, "Command2");
        m_dialog.saveAnswers << in; // over its own input
        click(form, "Command2");
        QTRY_VERIFY(QFileInfo(in).size() == 1200000);
        QVERIFY(TestMedia::readFile(in) == data.mid(599999, 1200000));
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

    void theSelectedEntryStaysTheCurrentFile()
    {
        CutMergeWindow form(m_media);
        form.show();
        open(form, write("first.mp3", 2097152));
        open(form, write("second.mp3", 10));
        QTest::mouseClick(list(form)->viewport(), Qt::LeftButton, {},
                          list(form)->visualItemRect(list(form)->item(0)).center());
        QCOMPARE(text(form, "Label5"), u"File Name:first.mp3"_s);
        QCOMPARE(text(form, "Label2"), u"2"_s);
        open(form, write("third.mp3", 10));
        QCOMPARE(text(form, "Label5"), u"File Name : third.mp3"_s);
        click(form, "Command4");
        QCOMPARE(m_media.fileName(), path("first.mp3"));
        QCOMPARE(list(form)->count(), 3);
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
        QTRY_COMPARE(text(form, "L3"),
                     u"Result : File has been attached at the end of original file "
                     "successfully !"_s);
        QCOMPARE(child<ProgressBar>(form, u"Progress"_s)->Value(), 100.0f);
        QVERIFY(TestMedia::readFile(path("out.mp3")) ==
                TestMedia::readFile(base) + TestMedia::readFile(attachment));
        open(form, base); // the merger's filter stays for the cutter
        QCOMPARE(m_dialog.filters.last(), u"MP3 Files (*.mp3)|*.mp3"_s);

        QFile large(path("large.mp3")); // long enough to be running when Close comes
        QVERIFY(large.open(QIODevice::WriteOnly) && large.resize(qint64(1) << 30));
        large.close();
        m_dialog.openAnswers << large.fileName();
        click(form, "Command15_1");
        m_dialog.saveAnswers = QStringList{path("never.mp3")};
        click(form, "C1");
        QSignalSpy reset(&form, &CutMergeWindow::playerResetRequested);
        click(form, "Command3");
        QVERIFY(form.isVisible());
        QTRY_VERIFY(!form.isVisible());
        QCOMPARE(reset.count(), 1);
        QVERIFY(!QFileInfo::exists(path("never.mp3")));
    }

    // Close stops the main window's component and shows no playback there, speed tooltips aside.
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
        const PlayerDisplay &d = engine.display();
        QCOMPARE(m_media.calls.last(), u"stop"_s);
        QCOMPARE(d.speedTip, u"Speed: 105%"_s);
        QCOMPARE(d.speedLevel, 5);
        QCOMPARE(d.sliderMax, -1);
        QVERIFY(d.position.isEmpty() && d.remaining.isEmpty() && d.length.isEmpty() &&
                d.fileSize.isEmpty());
        QCOMPARE(d.totalFiles + d.currentFile, u"11"_s);
        QCOMPARE(d.progress, u"Current File  0 %  Completed"_s);
        QVERIFY(!d.pauseEnabled && !d.pathStripVisible);
        QCOMPARE(d.status, u" Stopped "_s);
        QCOMPARE(d.statusColor, PlayerDisplay::kRed);
        m_media.position = 7.0; // the tick still runs
        QTRY_COMPARE(engine.display().marker, 7.0);
    }
};

QTEST_MAIN(CutMergeWindowTest)
#include "CutMergeWindow_test.moc"
