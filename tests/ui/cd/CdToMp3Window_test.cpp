#include <functional>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "CdToMp3Window.h"
#include "ChameleonButton.h"
#include "DecodedMp3.h"
#include "FakeMediaComponent.h"
#include "FakeRipLibrary.h"
#include "PlayerWindow.h"
#include "ProgressBar.h"
#include "ScriptedFileDialog.h"
#include "TestDisc.h"
#include "TestMedia.h"

// The disc: three tracks of odd lengths, each a tone of its own. Its texts, worked out by hand:
// starts at sectors 0, 337, 563 (disc addresses 150, 487, 713), lead-out at 787.
namespace {
const QList<TestDisc::Track> kTracks = {{4 * 75 + 37, 440}, {3 * 75 + 1, 660}, {2 * 75 + 74, 1000}};
} // namespace

class CdToMp3WindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;  // disc image, settings, outputs
    QTemporaryDir m_temp; // the temporary folder the window rips into
    ScriptedFileDialog m_dialog;

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList leftInTemp() const
    {
        return QDir(m_temp.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QStringList outputs() const
    {
        return QDir(path("out")).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // Settings listing these images, in effect for windows made afterwards.
    void useImages(const QStringList &images, const QString &name = QStringLiteral("cdrip.ini"))
    {
        QVERIFY(TestDisc::writeSettings(path(name), images));
        qputenv("TAVRO_CDRIP_INI", QFile::encodeName(path(name)));
    }
    template <typename T> static T *child(QWidget &form, const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    static ChameleonButton *button(QWidget &form, const char *name)
    {
        return child<ChameleonButton>(form, name);
    }
    static QLabel *label(QWidget &form, const char *name) { return child<QLabel>(form, name); }
    static QString status(QWidget &form) { return label(form, "lblInfo")->text(); }
    static QTreeWidget *tracks(QWidget &form) { return child<QTreeWidget>(form, "lvwTracks"); }
    static QStringList row(QTreeWidget *view, int index)
    {
        QStringList texts;
        for (int column = 0; column < view->columnCount(); ++column)
            texts << view->topLevelItem(index)->text(column);
        return texts;
    }
    // Shows the window and waits for its drives to be read: a row, or an error.
    static void load(CdToMp3Window &form)
    {
        form.show();
        QTRY_VERIFY(tracks(form)->topLevelItemCount() > 0 || !status(form).isEmpty());
    }
    // Chooses out/<name> with "Save as" and presses "Encode MP3" for the rows given (0-based).
    void encode(CdToMp3Window &form, const QString &name, const QList<int> &rows)
    {
        m_dialog.saveAnswers << path(QStringLiteral("out/") + name);
        QTest::mouseClick(button(form, "cmdPickMp3File"), Qt::LeftButton);
        QTreeWidget *view = tracks(form);
        view->clearSelection();
        for (int index : rows)
            view->topLevelItem(index)->setSelected(true);
        QTest::mouseClick(button(form, "cmdRip"), Qt::LeftButton);
    }
    // Runs action once, from the events the window processes during a run, when ready says so.
    static void during(CdToMp3Window &form, const std::function<bool()> &ready,
                       const std::function<void()> &action)
    {
        auto *timer = new QTimer(&form);
        QObject::connect(timer, &QTimer::timeout, &form, [=] {
            if (!ready())
                return;
            timer->stop();
            timer->deleteLater();
            action();
        });
        timer->start(0);
    }
    static void expectTrack(const QString &mp3, int index)
    {
        const DecodedMp3 decoded = DecodedMp3::decode(mp3);
        QVERIFY2(decoded.ok, qPrintable(mp3));
        QCOMPARE(decoded.frames, qint64(kTracks[index].sectors) * 588);
        QVERIFY(qAbs(decoded.frequency() - kTracks[index].frequency) <
                kTracks[index].frequency * 0.02);
    }
    static QString megabytes(qint64 bytes) { return QString::number(bytes / 1048576.0, 'f', 2); }
    static void expectIdleButtons(CdToMp3Window &form)
    {
        QVERIFY(!button(form, "cmdRip")->isEnabled());
        QVERIFY(button(form, "cmdClose")->isEnabled());
        QVERIFY(button(form, "cmdPickMp3File")->isEnabled());
        QVERIFY(button(form, "cmdRefresh")->isEnabled());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestDisc::write(path("disc.cue"), kTracks));
        QVERIFY(QDir().mkpath(path("out")));
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    }
    void init() { useImages({path("disc.cue")}); }
    void cleanup()
    {
        QVERIFY(leftInTemp().isEmpty());
        for (const QString &file : outputs())
            QFile::remove(path(QStringLiteral("out/") + file));
    }

    void loadsWithItsTextsAndListsTheDisc()
    {
        CdToMp3Window form;
        load(form);
        QCOMPARE(form.windowTitle(), QStringLiteral("TAVRO  MP3  Encoder"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(label(form, "lblTitle")->text(), QStringLiteral("TAVRO  MP3  Encoder"));
        QVERIFY(label(form, "lblWelcome")
                    ->text()
                    .startsWith(QStringLiteral(" Wellcome to TAVRO MP3 Encoder. To start")));
        QVERIFY(
            label(form, "lblWelcome")
                ->text()
                .endsWith(QStringLiteral(
                    "click\" save as\" button. Then click \"Encode MP3\" button. That's it....")));
        QCOMPARE(label(form, "lblDrives")->text(), QStringLiteral("Drives:"));
        QCOMPARE(label(form, "lblCDDBQuery")->text(), QStringLiteral("CDDB &Query:"));
        QCOMPARE(label(form, "lblOutputMp3File")->text(), QStringLiteral("Output Mp3 File:"));
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
        for (const char *name : {"PB1", "PB2"}) {
            QCOMPARE(child<ProgressBar>(form, name)->Max(), 100.0f);
            QVERIFY(!child<ProgressBar>(form, name)->isVisible());
        }
        QVERIFY(!label(form, "lblCompleted")->isVisible());

        auto *presets = child<QComboBox>(form, "cboOption");
        QCOMPARE(presets->count(), 16);
        QCOMPARE(presets->itemText(0), QStringLiteral("(Defaults)"));
        QCOMPARE(presets->currentText(), QStringLiteral("Standard (VBR 44.1kHz, 170-210kbps)"));
        auto *drives = child<QComboBox>(form, "cboDrives");
        QCOMPARE(drives->count(), 1);
        QVERIFY(drives->itemText(0).contains(QStringLiteral("disc.cue")));

        QTreeWidget *view = tracks(form);
        QStringList headers;
        for (int column = 0; column < 5; ++column)
            headers << view->headerItem()->text(column);
        QCOMPARE(headers, (QStringList{"Name", "Track", "Start At", "Length", "Size(Mb)"}));
        QCOMPARE(view->topLevelItemCount(), 3);
        QCOMPARE(row(view, 0), (QStringList{"Track 01", "1", "0:02.00", "0:04.30", "0.76MB"}));
        QCOMPARE(row(view, 1), (QStringList{"Track 02", "2", "0:06.30", "0:03.01", "0.51MB"}));
        QCOMPARE(row(view, 2), (QStringList{"Track 03", "3", "0:09.30", "0:02.59", "0.50MB"}));
        QCOMPARE(view->selectedItems().size(), 3);
        QVERIFY(view->isEnabled());
        // Digit sums 2 + 6 + 9, disc of 937 sectors: 12 s, minus the first track's 2 s.
        QCOMPARE(child<QLineEdit>(form, "txtCDDBQuery")->text(),
                 QStringLiteral("cddb query 11000a03 3 150 487 713 12"));
        QVERIFY(button(form, "cmdRip")->isEnabled());

        QTest::mouseClick(button(form, "cmdRefresh"), Qt::LeftButton);
        QCOMPARE(view->topLevelItemCount(), 3);
        QVERIFY(!button(form, "cmdRip")->isEnabled());
    }

    void ripsOneTrackIntoTheChosenFileAndShowsTheResults()
    {
        CdToMp3Window form;
        load(form);
        QString seenWhileRunning;
        during(
            form, [&] { return status(form).startsWith(QStringLiteral("Ripping track")); },
            [&] {
                for (const char *name : {"cmdRip", "cmdClose", "cmdPickMp3File", "cmdRefresh"})
                    if (button(form, name)->isEnabled())
                        seenWhileRunning += QLatin1String(name);
                seenWhileRunning += status(form);
                // Presses that reach the handlers anyway (a queued click) must not start again.
                emit button(form, "cmdRip")->Click();
                emit button(form, "cmdRefresh")->Click();
                emit child<QComboBox>(form, "cboDrives")->activated(0);
            });
        encode(form, QStringLiteral("two.mp3"), {1});
        QCOMPARE(m_dialog.filters.last(), QStringLiteral("MP3 Files (*.mp3)|*.mp3"));
        QCOMPARE(child<QLineEdit>(form, "txtOutputMp3File")->text(), path("out/two.mp3"));
        // Events were processed during the run, with the buttons off.
        QVERIFY2(QRegularExpression(
                     QStringLiteral("^Ripping track 2  to %1/tavro-rip-\\w+\\.wav\\.\\.\\.$")
                         .arg(QRegularExpression::escape(m_temp.path())))
                     .match(seenWhileRunning)
                     .hasMatch(),
                 qPrintable(seenWhileRunning));

        QCOMPARE(outputs(), QStringList{"two.mp3"});
        expectTrack(path("out/two.mp3"), 1);
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        QCOMPARE(status(form),
                 QStringLiteral("Temporary wave file has been generated for track 2"));
        for (const char *name : {"lblDeleted", "lblCompleted", "lblStandard", "lblTotalElapsed",
                                 "lblelapsed", "lblNewSize"})
            QVERIFY2(label(form, name)->isVisible(), name);
        QCOMPARE(label(form, "lblDeleted")->text(),
                 QStringLiteral("Temporary file has been deleted !"));
        QCOMPARE(label(form, "lblCompleted")->text(),
                 QStringLiteral("Encoding process is completed successfully !"));
        QCOMPARE(label(form, "lblStandard")->text(),
                 QStringLiteral("Encoding Standard :   44.1Khz , 128Kbps"));
        QCOMPARE(label(form, "lblTotalElapsed")->text(), QStringLiteral("Total Time Elapsed  :"));
        QCOMPARE(label(form, "lblNewSize")->text(),
                 QStringLiteral("New mp3 File Size  :  ") +
                     megabytes(QFileInfo(path("out/two.mp3")).size()) + "MB");
        QCOMPARE(label(form, "lblProgress")->text(),
                 QStringLiteral(" Encoding process is 100.0 %  completed "));
        QVERIFY(QRegularExpression(QStringLiteral("^ \\d\\d : \\d\\d : \\d\\d $"))
                    .match(label(form, "lblstart")->text())
                    .hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                    .match(label(form, "lblend")->text())
                    .hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^ 00 : 00 : \\d\\d $"))
                    .match(label(form, "lblelapsed")->text())
                    .hasMatch());
        QCOMPARE(child<ProgressBar>(form, "PB1")->Value(), 100.0f);
        expectIdleButtons(form);

        // The same name again: the file there is kept and the status line says why.
        const QByteArray before = TestMedia::readFile(path("out/two.mp3"));
        encode(form, QStringLiteral("two.mp3"), {1});
        QCOMPARE(status(form), path("out/two.mp3") + QStringLiteral(" already exists"));
        QVERIFY(!label(form, "lblCompleted")->isVisible());
        QCOMPARE(TestMedia::readFile(path("out/two.mp3")), before);
    }

    void severalTracksGiveOneFileEach()
    {
        CdToMp3Window form;
        load(form);
        encode(form, QStringLiteral("album.mp3"), {0, 1, 2});
        QCOMPARE(outputs(), (QStringList{"album - Track 01.mp3", "album - Track 02.mp3",
                                         "album - Track 03.mp3"}));
        qint64 bytes = 0;
        for (int i = 0; i < 3; ++i) {
            const QString file = path(QStringLiteral("out/album - Track 0%1.mp3").arg(i + 1));
            expectTrack(file, i);
            bytes += QFileInfo(file).size();
        }
        QCOMPARE(label(form, "lblNewSize")->text(),
                 QStringLiteral("New mp3 File Size  :  ") + megabytes(bytes) + "MB");
        QCOMPARE(status(form),
                 QStringLiteral("Temporary wave file has been generated for track 3"));
    }

    void cancelWhileRippingOrEncodingLeavesNothingAndTheNextRunStartsAfresh()
    {
        CdToMp3Window form;
        load(form);
        auto *pb1 = child<ProgressBar>(form, "PB1");
        bool ripping = false;
        during(
            form, [&] { return pb1->Value() > 0; },
            [&] {
                ripping = status(form).startsWith(QStringLiteral("Ripping track 1"));
                QTest::mouseClick(button(form, "cmdCancel"), Qt::LeftButton);
            });
        encode(form, QStringLiteral("cut.mp3"), {0, 1});
        QVERIFY(ripping);
        QCOMPARE(status(form), QStringLiteral("Ripping process has been cancelled !"));
        QVERIFY(outputs().isEmpty());
        QVERIFY(leftInTemp().isEmpty());
        QVERIFY(!label(form, "lblCompleted")->isVisible());
        QVERIFY(!pb1->isVisible());
        expectIdleButtons(form);

        auto *progress = label(form, "lblProgress");
        during(
            form,
            [&] { return progress->text().startsWith(QStringLiteral(" Encoding process is")); },
            [&] { QTest::mouseClick(button(form, "cmdCancel"), Qt::LeftButton); });
        encode(form, QStringLiteral("cut.mp3"), {2});
        QCOMPARE(status(form), QStringLiteral("Ripping process has been cancelled !"));
        QVERIFY(outputs().isEmpty());

        // Neither the cancel nor the tracks queued before carry over.
        encode(form, QStringLiteral("cut.mp3"), {2});
        QCOMPARE(outputs(), QStringList{"cut.mp3"});
        expectTrack(path("out/cut.mp3"), 2);
    }

    void closeDuringARunIsRefusedAndCancelsIt()
    {
        CdToMp3Window form;
        load(form);
        bool closed = true;
        during(
            form, [&] { return child<ProgressBar>(form, "PB1")->Value() > 0; },
            [&] { closed = form.close(); });
        encode(form, QStringLiteral("kept.mp3"), {0});
        QVERIFY(!closed);
        QVERIFY(form.isVisible());
        QCOMPARE(status(form), QStringLiteral("Ripping process has been cancelled !"));
        QVERIFY(outputs().isEmpty());
        QVERIFY(form.close());
    }

    void missingDriveOrDiscShowsItsRow()
    {
        useImages({}, QStringLiteral("none.ini"));
        {
            CdToMp3Window form;
            load(form);
            QCOMPARE(child<QComboBox>(form, "cboDrives")->count(), 0);
            QCOMPARE(row(tracks(form), 0).first(), QStringLiteral("No CD Selected"));
            QVERIFY(!tracks(form)->isEnabled());
            QVERIFY(!button(form, "cmdRip")->isEnabled());
            QVERIFY(child<QLineEdit>(form, "txtCDDBQuery")->text().isEmpty());
        }
        useImages({path("nowhere.cue")}, QStringLiteral("empty.ini"));
        CdToMp3Window form;
        load(form);
        QCOMPARE(child<QComboBox>(form, "cboDrives")->count(), 1);
        QCOMPARE(tracks(form)->topLevelItemCount(), 1);
        QCOMPARE(row(tracks(form), 0).first(), QStringLiteral("No CD In Drive"));
        QVERIFY(!button(form, "cmdRip")->isEnabled());
        // "Encode MP3" after "Save as" says so too, and leaves the way out open.
        encode(form, QStringLiteral("none.mp3"), {});
        QCOMPARE(status(form), QStringLiteral("No CD In Drive"));
        expectIdleButtons(form);
    }

    void discTakenOutAfterListingStopsTheRun()
    {
        QVERIFY(TestDisc::write(path("gone.cue"), kTracks));
        useImages({path("gone.cue")}, QStringLiteral("gone.ini"));
        CdToMp3Window form;
        load(form);
        QCOMPARE(tracks(form)->topLevelItemCount(), 3);
        QVERIFY(QFile::remove(path("gone.cue")) && QFile::remove(path("gone.bin")));
        encode(form, QStringLiteral("gone.mp3"), {0});
        QCOMPARE(status(form), QStringLiteral("No CD In Drive"));
        QVERIFY(outputs().isEmpty());
        expectIdleButtons(form);
    }

    void libraryErrorsGoToTheStatusLine()
    {
        useImages({}, QStringLiteral("folder.ini"));
        QVERIFY(QFile::remove(path("folder.ini")) && QDir().mkpath(path("folder.ini")));
        {
            CdToMp3Window form; // a settings "file" that is a folder: the library does not start
            load(form);
            QCOMPARE(
                status(form),
                QStringLiteral("CDRip File Open Error (error 29502, tavro.cCDDriveRip_Create)"));
            QCOMPARE(row(tracks(form), 0).first(), QStringLiteral("No CD Selected"));
        }

        auto library = std::make_shared<FakeRipLibrary>();
        library->drives = {FakeRipLibrary::record("Fake drive")};
        library->tocStarts = {0, 100};
        library->readTocResult = CR_ERROR;
        CdToMp3Window form(library);
        load(form);
        QCOMPARE(status(form), QStringLiteral("CDRip Error (error 29501, tavro.cCDToc.fInit)"));
        QCOMPARE(tracks(form)->topLevelItemCount(), 0);
        QVERIFY(!button(form, "cmdRip")->isEnabled());

        library->readTocResult = CR_OK;
        library->chunks = {{CR_OK, QByteArray(2352, '\0')}, {CR_ERROR, QByteArray()}};
        QTest::mouseClick(button(form, "cmdRefresh"), Qt::LeftButton);
        QVERIFY(status(form).isEmpty());
        QCOMPARE(tracks(form)->topLevelItemCount(), 1);
        encode(form, QStringLiteral("broken.mp3"), {0});
        QCOMPARE(status(form),
                 QStringLiteral("CDRip Error (error 29501, tavro.cCDTrackRipper.Read)"));
        QVERIFY(label(form, "lblDeleted")->isVisible());
        QVERIFY(!label(form, "lblCompleted")->isVisible());
        QVERIFY(outputs().isEmpty());
    }

    void ripButtonOfTheMainWindowOpensItAndCloseBringsTheMainWindowBack()
    {
        FakeMediaComponent media;
        PlayerWindow main(media);
        main.show();
        QTest::mouseClick(main.button(11), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QPointer<CdToMp3Window> form;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *encoder = qobject_cast<CdToMp3Window *>(window))
                form = encoder;
        QVERIFY(form && form->isVisible());
        QTRY_COMPARE(tracks(*form)->topLevelItemCount(), 3);
        QTest::mouseClick(button(*form, "cmdClose"), Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(CdToMp3WindowTest)
#include "CdToMp3Window_test.moc"
