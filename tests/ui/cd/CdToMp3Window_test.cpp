#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "CdToMp3Window.h"
#include "ChameleonButton.h"
#include "FakeRipLibrary.h"
#include "ProgressBar.h"
#include "ScriptedFileDialog.h"
#include "TestMedia.h"
#include "WidgetLookup.h"

// The window over a fake drive whose disc has tracks of 337, 226 and 224 sectors (disc addresses
// 150, 487, 713, lead-out at 787); a run's ripping can be held at its first chunk by the gate.
class CdToMp3WindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    ScriptedFileDialog m_dialog;
    std::shared_ptr<FakeRipLibrary> m_library;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    static ChameleonButton *button(QWidget &form, const char *name)
    {
        return child<ChameleonButton>(form, QLatin1String(name));
    }
    static QLabel *label(QWidget &form, const char *name)
    {
        return child<QLabel>(form, QLatin1String(name));
    }
    static QString status(QWidget &form) { return label(form, "lblInfo")->text(); }
    static QTreeWidget *tracks(QWidget &form) { return child<QTreeWidget>(form, "lvwTracks"); }
    static QStringList row(QWidget &form, int index)
    {
        QStringList texts;
        for (int column = 0; column < tracks(form)->columnCount(); ++column)
            texts << tracks(form)->topLevelItem(index)->text(column);
        return texts;
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
        QTest::mouseClick(button(form, "cmdPickMp3File"), Qt::LeftButton);
        encodeSecond(form);
    }
    static void encodeSecond(CdToMp3Window &form)
    {
        tracks(form)->clearSelection();
        if (QTreeWidgetItem *second = tracks(form)->topLevelItem(1))
            second->setSelected(true);
        QTest::mouseClick(button(form, "cmdRip"), Qt::LeftButton);
    }
    static void waitWhileRipping(CdToMp3Window &form)
    {
        QTRY_VERIFY(status(form).startsWith(QStringLiteral("Ripping track 2  to ")));
    }
    static void waitForTheEnd(CdToMp3Window &form)
    {
        QTRY_VERIFY_WITH_TIMEOUT(button(form, "cmdClose")->isEnabled(), 60000);
    }
    static QStringList enabled(CdToMp3Window &form)
    {
        QStringList names;
        for (const char *name : {"cmdRip", "cmdClose", "cmdPickMp3File", "cmdRefresh"})
            if (button(form, name)->isEnabled())
                names << QLatin1String(name);
        if (child<QComboBox>(form, "cboDrives")->isEnabled())
            names << QStringLiteral("cboDrives");
        return names;
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

    void listsTheDiscWithTheWindowsTexts()
    {
        CdToMp3Window form(m_library);
        load(form);
        QCOMPARE(form.windowTitle(), QStringLiteral("TAVRO  MP3  Encoder"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        const QList<std::pair<const char *, QString>> labels = {
            {"lblTitle", "TAVRO  MP3  Encoder"},
            {"lblWelcome", " Wellcome to TAVRO MP3 Encoder. To start encoding, just select cd "
                           "drive and click \"Refresh\" button. Then select \"track number\" and "
                           "click\" save as\" button. Then click \"Encode MP3\" button. That's "
                           "it...."},
            {"lblDrives", "Drives:"},
            {"lblCDDBQuery", "CDDB &Query:"},
            {"lblOutputMp3File", "Output Mp3 File:"},
            {"lblDeleted", "Temporary file has been deleted !"},
            {"lblCompleted", "Encoding process is completed successfully !"},
            {"lblStandard", "Encoding Standard :   44.1Khz , 128Kbps"},
            {"lblTotalElapsed", "Total Time Elapsed  :"}};
        for (const auto &[name, text] : labels)
            QCOMPARE(label(form, name)->text(), text);
        const QList<std::tuple<const char *, QString, QString>> buttons = {
            {"cmdPickMp3File", "Save as", "Save An MP3 File As"},
            {"cmdRip", "Encode MP3", "Encode An MP3 File"},
            {"cmdRefresh", "Refresh", "Refresh"},
            {"cmdCancel", "Cancel", ""},
            {"cmdClose", "Close", "Exit the TAVRO MP3 Encoder"}};
        for (const auto &[name, caption, tip] : buttons) {
            QCOMPARE(button(form, name)->Caption(), caption);
            QCOMPARE(button(form, name)->toolTip(), tip);
        }
        QCOMPARE(label(form, "lblelapsed")->toolTip(),
                 QStringLiteral("Shows in  Hours  :  Minutes  :  Seconds"));
        for (const char *name : {"PB1", "PB2", "lblCompleted", "lblelapsed", "lblNewSize"})
            QVERIFY2(!child<QWidget>(form, QLatin1String(name))->isVisible(), name);
        auto *presets = child<QComboBox>(form, "cboOption");
        QCOMPARE(presets->count(), 16);
        QCOMPARE(presets->currentText(), QStringLiteral("Standard (VBR 44.1kHz, 170-210kbps)"));
        QCOMPARE(child<QComboBox>(form, "cboDrives")->currentText(), QStringLiteral("Fake drive"));

        QStringList headers;
        for (int column = 0; column < 5; ++column)
            headers << tracks(form)->headerItem()->text(column);
        QCOMPARE(headers, (QStringList{"Name", "Track", "Start At", "Length", "Size(Mb)"}));
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        QCOMPARE(row(form, 0), (QStringList{"Track 01", "1", "0:02.00", "0:04.30", "0.76MB"}));
        QCOMPARE(row(form, 1), (QStringList{"Track 02", "2", "0:06.30", "0:03.01", "0.51MB"}));
        QCOMPARE(row(form, 2), (QStringList{"Track 03", "3", "0:09.30", "0:02.59", "0.50MB"}));
        QCOMPARE(tracks(form)->selectedItems().size(), 3);
        // Digit sums 2 + 6 + 9, disc of 937 sectors: 12 s, minus the first track's 2 s.
        QCOMPARE(child<QLineEdit>(form, "txtCDDBQuery")->text(),
                 QStringLiteral("cddb query 11000a03 3 150 487 713 12"));
        QCOMPARE(enabled(form),
                 (QStringList{"cmdRip", "cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));
        QTest::mouseClick(button(form, "cmdRefresh"), Qt::LeftButton);
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        QVERIFY(!button(form, "cmdRip")->isEnabled());
    }

    void aRunShowsItsStepsAndResultsAndCannotBeStartedTwice()
    {
        QSemaphore gate;
        m_library->gate = &gate;
        CdToMp3Window form(m_library);
        load(form);
        encode(form, QStringLiteral("two.mp3"));
        QCOMPARE(m_dialog.filters.last(), QStringLiteral("MP3 Files (*.mp3)|*.mp3"));
        QCOMPARE(child<QLineEdit>(form, "txtOutputMp3File")->text(), path("two.mp3"));
        waitWhileRipping(form);
        QVERIFY(enabled(form).isEmpty());
        QVERIFY(child<ProgressBar>(form, "PB1")->isVisible());
        // Presses that reach the handlers anyway (a queued click) start nothing.
        emit button(form, "cmdRip")->Click();
        emit button(form, "cmdRefresh")->Click();
        emit button(form, "cmdPickMp3File")->Click();
        emit child<QComboBox>(form, "cboDrives")->activated(0);
        QCOMPARE(m_dialog.filters.size(), 1);
        QVERIFY(status(form).startsWith(QStringLiteral("Ripping track 2  to ")));
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        gate.release(226);
        waitForTheEnd(form);

        QVERIFY(QFileInfo(path("two.mp3")).size() > 0);
        QCOMPARE(status(form),
                 QStringLiteral("Temporary wave file has been generated for track 2"));
        for (const char *name : {"lblDeleted", "lblCompleted", "lblStandard", "lblTotalElapsed",
                                 "lblelapsed", "lblNewSize", "PB1", "PB2", "lblProgress"})
            QVERIFY2(child<QWidget>(form, QLatin1String(name))->isVisible(), name);
        QCOMPARE(label(form, "lblNewSize")->text(),
                 QStringLiteral("New mp3 File Size  :  %1MB")
                     .arg(QFileInfo(path("two.mp3")).size() / 1048576.0, 0, 'f', 2));
        QCOMPARE(label(form, "lblProgress")->text(),
                 QStringLiteral(" Encoding process is 100.0 %  completed "));
        QCOMPARE(child<ProgressBar>(form, "PB1")->Value(), 100.0f);
        QCOMPARE(child<ProgressBar>(form, "PB2")->Value(), child<ProgressBar>(form, "PB2")->Max());
        const QList<std::pair<const char *, const char *>> times = {
            {"lblstart", "^ \\d\\d : \\d\\d : \\d\\d $"},
            {"lblend", "^\\d\\d:\\d\\d:\\d\\d$"},
            {"lblelapsed", "^ 00 : 00 : \\d\\d $"}};
        for (const auto &[name, pattern] : times)
            QVERIFY2(QRegularExpression(QLatin1String(pattern))
                         .match(label(form, name)->text())
                         .hasMatch(),
                     name);
        QCOMPARE(enabled(form),
                 (QStringList{"cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));
    }

    void cancelOrCloseDuringARunCancelsItAndCloseIsRefused()
    {
        QSemaphore gate;
        m_library->gate = &gate;
        CdToMp3Window form(m_library);
        load(form);
        for (const bool byClose : {false, true}) {
            m_library->chunks = FakeRipLibrary::track(226);
            encode(form, QStringLiteral("cut.mp3"));
            waitWhileRipping(form);
            if (byClose)
                QVERIFY(!form.close());
            else
                QTest::mouseClick(button(form, "cmdCancel"), Qt::LeftButton);
            QVERIFY(!child<ProgressBar>(form, "PB1")->isVisible());
            gate.release(1);
            waitForTheEnd(form);
            QCOMPARE(status(form), QStringLiteral("Ripping process has been cancelled !"));
            QVERIFY(!label(form, "lblCompleted")->isVisible());
            QVERIFY(!QFile::exists(path("cut.mp3")));
        }
        QVERIFY(form.isVisible());
        QVERIFY(form.close());
    }

    void onlyAFileTheUserAgreedToReplaceInSaveAsIsReplacedByTheNextRun()
    {
        TestMedia::writeFile(path("kept.mp3"), "old");
        CdToMp3Window form(m_library);
        load(form);
        child<QLineEdit>(form, "txtOutputMp3File")->setText(path("kept.mp3")); // typed in
        encodeSecond(form);
        waitForTheEnd(form);
        QCOMPARE(status(form), path("kept.mp3") + QStringLiteral(" already exists"));

        encode(form, QStringLiteral("kept.mp3")); // the dialog asked about it
        waitForTheEnd(form);
        QVERIFY(label(form, "lblCompleted")->isVisible());
        QVERIFY(TestMedia::readFile(path("kept.mp3")).startsWith("\xFF\xFB"));

        m_library->chunks = FakeRipLibrary::track(226);
        emit child<QComboBox>(form, "cboDrives")->activated(0); // Encode MP3 without Save as
        encodeSecond(form);
        waitForTheEnd(form);
        QCOMPARE(status(form), path("kept.mp3") + QStringLiteral(" already exists"));
    }

    void withoutADiscTheRowSaysWhyAndEncodeGivesTheButtonsBack()
    {
        m_library->unitReady = false;
        {
            CdToMp3Window form(m_library);
            load(form);
            QCOMPARE(row(form, 0).first(), QStringLiteral("No CD In Drive"));
            QVERIFY(!tracks(form)->isEnabled());
            QVERIFY(child<QLineEdit>(form, "txtCDDBQuery")->text().isEmpty());
            encode(form, QStringLiteral("none.mp3"));
            QCOMPARE(status(form), QStringLiteral("No CD In Drive"));
            QCOMPARE(enabled(form),
                     (QStringList{"cmdClose", "cmdPickMp3File", "cmdRefresh", "cboDrives"}));
        }
        // The machine's library, with a settings "file" that is a folder: it does not start.
        QVERIFY(QDir().mkpath(path("folder.ini")));
        qputenv("TAVRO_CDRIP_INI", QFile::encodeName(path("folder.ini")));
        CdToMp3Window form;
        load(form);
        QCOMPARE(status(form),
                 QStringLiteral("CDRip File Open Error (error 29502, tavro.cCDDriveRip_Create)"));
        QCOMPARE(row(form, 0).first(), QStringLiteral("No CD Selected"));
    }
};

QTEST_MAIN(CdToMp3WindowTest)
#include "CdToMp3Window_test.moc"
