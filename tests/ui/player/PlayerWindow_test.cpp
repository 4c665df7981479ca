#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ChameleonButton.h"
#include "FakeMediaComponent.h"
#include "Mp3MediaComponent.h"
#include "NullAudioOutput.h"
#include "PlayerWindow.h"
#include "ScriptedFileDialog.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

class PlayerWindowTest : public QObject {
    Q_OBJECT

private:
    static QString text(PlayerWindow &form, const char *label)
    {
        return form.findChild<QLabel *>(QLatin1String(label))->text();
    }
    static void click(PlayerWindow &form, int button)
    {
        QTest::mouseClick(form.button(button), Qt::LeftButton);
    }

private slots:
    void buttonsCarryTheirCaptionsAndTooltips()
    {
        FakeMediaComponent media;
        PlayerWindow form(media);
        const QStringList captions = {
            "Open",    "Play",      "Stop",      "Pause",      "Next",    "Previous",
            "Clear",   "Mute Off",  "Save List", "Mp3 Info",   "Rip MP3", "Delete",
            "Record",  "Edit Tags", "Cut/Merge", "Vol+",       "Vol-",    "Speed +",
            "Speed -", "Audio CD",  "About",     "Search MP3 "};
        for (int n = 1; n <= 22; ++n)
            QCOMPARE(form.button(n)->Caption(), captions.at(n - 1));
        QCOMPARE(form.button(12)->toolTip(),
                 QStringLiteral("Delete Selected File From The Playlist Only !"));
        QCOMPARE(form.button(22)->toolTip(),
                 QStringLiteral("Search MP3 Files From Hard Disk or CD Rom"));
        QCOMPARE(text(form, "Label1"), QStringLiteral("   TAVRO MP3 PLAYER    v  1.6"));
        QCOMPARE(text(form, "Label23"), QStringLiteral(" File Status:"));
        QCOMPARE(text(form, "Label28"), QStringLiteral(" No File is Selected "));
        QCOMPARE(form.size(), QSize(473, 297));
        QVERIFY(form.windowFlags() & Qt::FramelessWindowHint);
        QVERIFY(!form.button(4)->isEnabled());
    }

    void openSelectPlayPauseStop()
    {
        ScriptedMessageBox box;
        ScriptedFileDialog dialog;
        FakeMediaComponent media;
        media.durationSeconds = 75;
        PlayerWindow form(media);
        form.show();

        click(form, 2);
        QCOMPARE(box.shown.size(), 1);
        QCOMPARE(box.shown.first().prompt, QStringLiteral("   Please select an MP3 File to play!"));

        dialog.openAnswers = {QStringLiteral("/music/first song.mp3"),
                              QStringLiteral("/music/second.mp3")};
        click(form, 1);
        click(form, 1);
        auto *list = form.findChild<QListWidget *>(QStringLiteral("List1"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->item(0)->text(), QStringLiteral("first song"));

        list->setCurrentRow(1);
        QCOMPARE(text(form, "Label28"), QStringLiteral(" File is selected "));
        click(form, 2);
        QCOMPARE(media.fileName(), QStringLiteral("/music/second.mp3"));
        QCOMPARE(text(form, "Label28"), QStringLiteral(" Playing "));
        QCOMPARE(text(form, "Label14"), QStringLiteral("2"));
        QCOMPARE(text(form, "Label16"), QStringLiteral("2"));
        QVERIFY(form.button(4)->isEnabled());

        media.position = 61;
        QTRY_COMPARE(text(form, "Label4"), QStringLiteral("1 :0 1")); // the tick runs on its own
        QCOMPARE(text(form, "Label9"), QStringLiteral("1 : 15"));

        click(form, 4);
        QCOMPARE(form.button(4)->Caption(), QStringLiteral("Resume"));
        QCOMPARE(text(form, "Label28"), QStringLiteral(" Paused "));
        click(form, 3);
        QCOMPARE(text(form, "Label28"), QStringLiteral(" Stopped "));
        QVERIFY(!form.button(4)->isEnabled());

        click(form, 16);
        QCOMPARE(form.button(17)->toolTip(), QStringLiteral("Volume: 60%"));
        QCOMPARE(media.volume(), -1400);
    }

    void toolWindowBringsBackDefaultsOnReturn()
    {
        FakeMediaComponent media;
        PlayerWindow form(media);
        form.show();
        click(form, 16);
        click(form, 18);
        auto *tool = new QWidget;
        form.showToolWindow(tool);
        QVERIFY(!form.isVisible());
        tool->close();
        QTRY_VERIFY(form.isVisible());
        QApplication::setActiveWindow(&form);
        QTRY_COMPARE(form.engine().display().volumeLevel, 5);
        QCOMPARE(form.engine().display().speedLevel, 5);
        QCOMPARE(form.button(18)->toolTip(), QStringLiteral("Speed: 100%"));
    }

    void startUpPlaysOnlyALowerCaseMp3Argument()
    {
        FakeMediaComponent media;
        PlayerWindow form(media);
        form.startUp({QStringLiteral("/music/LOUD.MP3")});
        QVERIFY(form.playlist().isEmpty());
        form.startUp({QStringLiteral("/music/with"), QStringLiteral("blanks.mp3")});
        QCOMPARE(form.playlist().paths(), QStringList{QStringLiteral("/music/with blanks.mp3")});
        QCOMPARE(media.fileName(), QStringLiteral("/music/with blanks.mp3"));
        QCOMPARE(text(form, "Label28"), QStringLiteral(" Playing "));
    }

    void exitStopsTheSound()
    {
        FakeMediaComponent media;
        PlayerWindow form(media);
        form.show();
        form.startUp({QStringLiteral("/music/a.mp3")});
        QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("Label3")), Qt::LeftButton);
        QVERIFY(media.calls.endsWith(QStringLiteral("stop")));
        QVERIFY(form.playlist().isEmpty());
        QVERIFY(!form.isVisible());
    }

    // Broken files on the play list are passed over; the window goes on and the lists stay aligned.
    void brokenFilesDoNotStopTheWindow()
    {
        QTemporaryDir dir;
        const QString empty = dir.filePath(QStringLiteral("empty.mp3"));
        const QString words = dir.filePath(QStringLiteral("notes.mp3"));
        const QString cut = dir.filePath(QStringLiteral("cut.mp3"));
        const QString good = dir.filePath(QStringLiteral("good.mp3"));
        TestMedia::writeFile(empty, {});
        TestMedia::writeFile(words, QByteArray("just some words\n").repeated(300));
        QVERIFY(TestMedia::makeMp3(good, 1.0, {QStringLiteral("-b"), QStringLiteral("128")}));
        TestMedia::writeFile(cut, TestMedia::readFile(good).left(3000));

        Mp3MediaComponent media([] { return std::make_unique<NullAudioOutput>(); });
        PlayerWindow form(media);
        form.show();
        form.playlist().appendAll({empty, words, cut, QStringLiteral("/no/such/file.mp3"), good});
        form.playlist().setSelectedIndex(0);
        form.engine().StartPlayback();
        QTRY_VERIFY_WITH_TIMEOUT(
            form.playlist().selectedIndex() == 4 && media.currentPosition() > 0.1, 10000);
        QCOMPARE(media.fileName(), good);
        QCOMPARE(text(form, "Label28"), QStringLiteral(" Playing "));
        QCOMPARE(form.playlist().names().size(), form.playlist().paths().size());
        QCOMPARE(form.findChild<QListWidget *>(QStringLiteral("List1"))->count(), 5);
    }

    // The whole chain: a one-entry list of a real 3-second file plays out loud and starts again.
    void oneEntryListReplaysThroughTheSoundServer()
    {
        if (qEnvironmentVariableIsEmpty("PULSE_SERVER"))
            QSKIP("no private PulseAudio (run through ./test.sh)");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("three.mp3"));
        QVERIFY(TestMedia::makeMp3(path, 3.0, {QStringLiteral("-b"), QStringLiteral("128")}));

        QProcess recorder;
        recorder.start(QStringLiteral("parec"),
                       {QStringLiteral("-d"), QStringLiteral("playback_tap"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=2")});
        QVERIFY(recorder.waitForStarted(5000));

        Mp3MediaComponent media;
        PlayerWindow form(media);
        form.show();
        form.startUp({path});
        double highest = 0.0;
        bool restarted = false;
        QTimer probe;
        connect(&probe, &QTimer::timeout, this, [&] {
            const double position = media.currentPosition();
            restarted = restarted || (highest > 2.9 && position < 1.0);
            highest = std::max(highest, position);
        });
        probe.start(2);
        QTRY_VERIFY_WITH_TIMEOUT(restarted, 15000); // it played to the end and started again
        QCOMPARE(text(form, "Label28"), QStringLiteral(" Playing "));
        QCOMPARE(form.playlist().selectedIndex(), 0);

        qint16 peak = 0; // the window plays at its middle volume, -17.5 dB
        const QByteArray audio = recorder.readAllStandardOutput();
        const auto *samples = reinterpret_cast<const qint16 *>(audio.constData());
        for (qsizetype i = 0; i < audio.size() / 2; ++i)
            peak = std::max<qint16>(peak, qint16(std::abs(samples[i])));
        recorder.kill();
        recorder.waitForFinished();
        QVERIFY2(peak > 1000, "the tone should have reached the sound server");
    }
};

QTEST_MAIN(PlayerWindowTest)
#include "PlayerWindow_test.moc"
