#include <QComboBox>
#include <QTreeWidget>
#include <QtTest>

#include "CdToMp3Window.h"
#include "ChameleonButton.h"
#include "ControlActions.h"
#include "FakeRipLibrary.h"
#include "ProgressBar.h"
#include "ScriptedFileDialog.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

// The window over a fake drive whose disc has tracks of 337, 226 and 224 sectors (disc addresses
// 150, 487, 713, lead-out at 787). Runs rip the second track; the gate holds them at each chunk.
class CdToMp3WindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    ScriptedFileDialog m_dialog;
    std::shared_ptr<FakeRipLibrary> m_library;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    static QWidget *widget(QWidget &form, const char *name) { return child<QWidget>(form, name); }
    // Which of the progress widgets show.
    static QStringList shown(QWidget &form)
    {
        QStringList names;
        for (const char *name : {"PB1", "PB2", "lblProgress", "lblCompleted", "lblNewSize",
                                 "lblDeleted", "lblStandard", "lblTotalElapsed", "lblelapsed"})
            if (widget(form, name)->isVisible())
                names << name;
        return names;
    }
    static QString status(QWidget &form) { return text(form, "lblInfo"); }
    static QTreeWidget *tracks(QWidget &form) { return child<QTreeWidget>(form, "lvwTracks"); }
    static QStringList enabled(QWidget &form)
    {
        return ::enabled(form, {"cmdRip", "cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"});
    }
    // Shows the window and waits for its drives to be read: a row, or an error.
    static void load(CdToMp3Window &form)
    {
        form.show();
        QTRY_VERIFY(tracks(form)->topLevelItemCount() > 0 || !status(form).isEmpty());
    }
    // Chooses a name with "Save as" and encodes the second track.
    void encode(CdToMp3Window &form, const QString &name)
    {
        m_dialog.saveAnswers << path(name);
        click(form, "cmdPickMp3File");
        encodeSecond(form);
    }
    static void encodeSecond(CdToMp3Window &form)
    {
        tracks(form)->clearSelection();
        if (QTreeWidgetItem *second = tracks(form)->topLevelItem(1))
            second->setSelected(true);
        click(form, "cmdRip");
    }
    static void waitForTheEnd(CdToMp3Window &form)
    {
        QTRY_VERIFY_WITH_TIMEOUT(widget(form, "cmdClose")->isEnabled(), 60000);
    }

private slots:
    void init()
    {
        m_library = std::make_shared<FakeRipLibrary>();
        m_library->drives = {FakeRipLibrary::record("Fake drive")};
        m_library->tocStarts = {0, 337, 563, 787};
        m_library->chunks = FakeRipLibrary::track(226);
        m_library->percent = 100;
    }

    void listsTheDiscOrSaysWhyNot()
    {
        CdToMp3Window form(m_library);
        load(form);
        QCOMPARE(form.windowTitle(), QStringLiteral("TAVRO  MP3  Encoder"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(text(form, "txtCDDBQuery"),
                 QStringLiteral("cddb query 11000a03 3 150 487 713 12"));
        QCOMPARE(child<QComboBox>(form, "cboDrives")->currentText(), QStringLiteral("Fake drive"));
        QCOMPARE(child<QComboBox>(form, "cboOption")->currentText(),
                 QStringLiteral("Standard (VBR 44.1kHz, 170-210kbps)"));
        QCOMPARE(shown(form), QStringList());
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        QCOMPARE(cells(tracks(form)->topLevelItem(1)),
                 (QStringList{"Track 02", "2", "0:06.30", "0:03.01", "0.51MB"}));
        QCOMPARE(tracks(form)->selectedItems().size(), 3);
        QCOMPARE(enabled(form),
                 (QStringList{"cmdRip", "cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));

        m_library->unitReady = false;
        click(form, "cmdRefresh");
        QCOMPARE(cells(tracks(form)->topLevelItem(0)), QStringList{"No CD In Drive"});
        QVERIFY(!tracks(form)->isEnabled());
        QVERIFY(text(form, "txtCDDBQuery").isEmpty());
        encode(form, QStringLiteral("none.mp3"));
        QCOMPARE(status(form), QStringLiteral("No CD In Drive"));
        QCOMPARE(enabled(form),
                 (QStringList{"cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));
        click(form, "cmdPickMp3File"); // the dialog cancelled: Encode MP3 stays off
        QCOMPARE(enabled(form),
                 (QStringList{"cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));
        m_library->unitReady = true;
        m_library->readTocResult = CR_ERROR;
        click(form, "cmdRefresh");
        QCOMPARE(status(form), QStringLiteral("CDRip Error (error 29501, tavro.cCDToc.fInit)"));
        QCOMPARE(tracks(form)->topLevelItemCount(), 0);

        m_library->initResult = CR_FILE_OPEN_ERROR; // a library that does not start
        CdToMp3Window broken(m_library);
        load(broken);
        QCOMPARE(status(broken),
                 QStringLiteral("CDRip File Open Error (error 29502, tavro.cCDDriveRip_Create)"));
    }

    void runsShowTheirStepsAndResultsAndStopOnCancelOrClose()
    {
        QSemaphore gate;
        m_library->gate = &gate;
        CdToMp3Window form(m_library);
        const auto open = qScopeGuard([&] { gate.release(1 << 20); }); // before the window goes
        load(form);
        const qsizetype dialogs = m_dialog.filters.size();
        // Cancel, then a close request, while ripping: both stop the run; the close is refused.
        for (const bool byClose : {false, true}) {
            encode(form, QStringLiteral("cut.mp3"));
            QTRY_VERIFY(status(form).startsWith(QStringLiteral("Ripping track 2  to ")));
            if (byClose)
                QVERIFY(!form.close());
            else
                click(form, "cmdCancel");
            QVERIFY(!shown(form).contains("PB1"));
            gate.release(1);
            waitForTheEnd(form);
            QCOMPARE(status(form), QStringLiteral("Ripping process has been cancelled !"));
            QVERIFY(!shown(form).contains("lblCompleted"));
            m_library->chunks = FakeRipLibrary::track(226);
        }
        QVERIFY(form.isVisible());
        QVERIFY(!QFile::exists(path("cut.mp3")));

        // A run to its end, into a file the user agreed in "Save as" to replace.
        TestMedia::writeFile(path("two.mp3"), "old");
        encode(form, QStringLiteral("two.mp3"));
        QCOMPARE(m_dialog.filters.last(), QStringLiteral("MP3 Files (*.mp3)|*.mp3"));
        QCOMPARE(text(form, "txtOutputMp3File"), path("two.mp3"));
        QTRY_VERIFY(widget(form, "PB1")->isVisible());
        QVERIFY(enabled(form).isEmpty());
        // Presses that reach the handlers anyway (a queued click) start nothing.
        for (const char *name : {"cmdRip", "cmdRefresh", "cmdPickMp3File"})
            emit child<ChameleonButton>(form, name)->Click();
        emit child<QComboBox>(form, "cboDrives")->activated(0);
        QCOMPARE(m_dialog.filters.size(), dialogs + 3);
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        gate.release(226);
        waitForTheEnd(form);
        QVERIFY(TestMedia::readFile(path("two.mp3")).startsWith("\xFF\xFB"));
        QCOMPARE(status(form),
                 QStringLiteral("Temporary wave file has been generated for track 2"));
        QCOMPARE(shown(form).size(), 9);
        QCOMPARE(text(form, "lblNewSize"),
                 QStringLiteral("New mp3 File Size  :  %1MB")
                     .arg(QFileInfo(path("two.mp3")).size() / 1048576.0, 0, 'f', 2));
        QCOMPARE(text(form, "lblProgress"),
                 QStringLiteral(" Encoding process is 100.0 %  completed "));
        QCOMPARE(child<ProgressBar>(form, "PB1")->Value(), 100.0f);
        QCOMPARE(child<ProgressBar>(form, "PB2")->Value(), child<ProgressBar>(form, "PB2")->Max());
        for (const char *name : {"lblstart", "lblend", "lblelapsed"}) // texts: EncoderRunTexts
            QVERIFY2(text(form, name).count(':') == 2, name);
        QCOMPARE(enabled(form),
                 (QStringList{"cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));

        // That agreement held for one run: choosing the drive again gives Encode MP3 back, not it.
        emit child<QComboBox>(form, "cboDrives")->activated(0);
        encodeSecond(form);
        waitForTheEnd(form);
        QCOMPARE(status(form), path("two.mp3") + QStringLiteral(" already exists"));
        QVERIFY(form.close());
    }
};

TAVRO_QTEST_MAIN(CdToMp3WindowTest)
#include "CdToMp3Window_test.moc"
