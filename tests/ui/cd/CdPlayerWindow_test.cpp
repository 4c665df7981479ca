#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include "CdPlayerWindow.h"
#include "ChameleonButton.h"
#include "ControlActions.h"
#include "FakeRipLibrary.h"
#include "ScriptedMessageBox.h"
#include "ScriptedSoundCommands.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

// The window over a fake drive whose disc has three tracks (the second one 226 sectors, 0.51MB)
// and a sound service whose CD device is on track 2, 3 minutes 4 seconds in. The commands each
// step sends: CdPlayer_test.
class CdPlayerWindowTest : public QObject {
    Q_OBJECT
private:
    ScriptedMessageBox m_box;
    ScriptedSoundCommands m_sound;
    std::shared_ptr<FakeRipLibrary> m_library;
    bool m_anotherCopy = false;
    int m_endRequests = 0;

    // Shows the window and waits for its drives to be read.
    std::unique_ptr<CdPlayerWindow> load()
    {
        auto form = std::make_unique<CdPlayerWindow>(
            m_sound, [this] { return m_anotherCopy; }, [this] { ++m_endRequests; }, m_library);
        form->show();
        [&] { QTRY_VERIFY(tracks(*form)->topLevelItemCount() > 0); }();
        return form;
    }
    void answer(const QString &command, const QByteArray &reply, quint32 code = 0)
    {
        m_sound.answers[command] = {reply, code};
    }
    static QTreeWidget *tracks(QWidget &form) { return child<QTreeWidget>(form, u"lvwTracks"_s); }
    // The transport buttons that are on, by their number.
    static QList<int> enabledButtons(QWidget &form)
    {
        QList<int> on;
        for (const int number : {7, 2, 4, 3, 5, 6, 10, 11, 9, 1})
            if (child<QWidget>(form, u"chameleonButton%1"_s.arg(number))->isEnabled())
                on << number;
        return on;
    }
    static QTimer *timer(QWidget &form, const char *name)
    {
        return child<QTimer>(form, QLatin1String(name));
    }
    // Which of the display tick and the disc watch run.
    static std::pair<bool, bool> watching(QWidget &form)
    {
        return {timer(form, "CDTimer")->isActive(), timer(form, "CheckDeviceReady")->isActive()};
    }
    static void tick(QWidget &form, const char *timerName)
    {
        QVERIFY(QMetaObject::invokeMethod(timer(form, timerName), "timeout"));
    }
    // The status line (Label28) and its colour.
    static std::pair<QString, QColor> status(QWidget &form)
    {
        const auto *label = child<QLabel>(form, u"Label28"_s);
        return {label->text(), label->palette().color(QPalette::WindowText)};
    }

private slots:
    void init()
    {
        m_library = std::make_shared<FakeRipLibrary>();
        m_library->drives = {FakeRipLibrary::record("Fake drive")};
        m_library->tocStarts = {0, 337, 563, 787};
        m_sound.answers.clear();
        m_sound.sent.clear();
        m_box.shown.clear();
        m_anotherCopy = false;
        m_endRequests = 0;
        answer(u"status cd media present"_s, "true");
        answer(u"status cd position wait"_s, "02:03:04:05");
        answer(u"status cd number of tracks"_s, "3");
        answer(u"status cd current track"_s, "2");
        answer(u"status cd length track 2"_s, "03:01:10");
        answer(u"status cd length wait"_s, "12:34:56");
        answer(u"status cd mode"_s, "playing");
    }

    void loadListsTheDiscPlayWantsARefreshFirstAndAnotherCopyEndsIt()
    {
        const auto form = load();
        QCOMPARE(form->windowTitle(), u"TAVRO Audio CD Player"_s);
        QVERIFY(!form->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(enabledButtons(*form), (QList<int>{7, 2, 1}));
        QCOMPARE(texts(*form, {"Label14", "Label16"}), (QStringList{"00", "00"}));
        QCOMPARE(tracks(*form)->selectedItems(),
                 QList<QTreeWidgetItem *>{tracks(*form)->topLevelItem(2)});
        QCOMPARE(text(*form, "txtCDDBQuery"), u"cddb query 11000a03 3 150 487 713 12"_s);
        QCOMPARE(watching(*form), std::pair(false, false));

        click(*form, "chameleonButton2");
        QCOMPARE(m_box.shown.size(), 1);
        QCOMPARE(m_box.shown[0].prompt, u"   Please insert an AUDIO CD in cd rom drive  \r\n"
                                        u"   and click Refresh button.Then PLAY again!"_s);
        QCOMPARE(m_box.shown[0].title, u" File Selection Error "_s);
        m_anotherCopy = true; // Refresh then ends the program instead
        click(*form, "chameleonButton7");
        QCOMPARE(m_endRequests, 1);
        click(*form, "chameleonButton1");
        QVERIFY(!form->isVisible());
        QVERIFY(m_sound.sent.isEmpty()); // no player was made
    }

    void refreshShowsThePositionAndTheButtonsDriveTheDevice()
    {
        const auto form = load();
        click(*form, "chameleonButton7");
        QCOMPARE(m_sound.sent.mid(0, 2),
                 (QStringList{"close all", "open cdaudio alias cd wait shareable"}));
        QCOMPARE(watching(*form), std::pair(true, false));
        QCOMPARE(
            texts(*form, {"Label4", "Label14", "Label16", "Label9", "Label2", "Label5", "Label12"}),
            (QStringList{"03:04", "3", "02", "03:01:10", "Track 2 .cda", "12:34", "0.51MB"}));
        QCOMPARE(enabledButtons(*form), (QList<int>{7, 2, 9, 1}));
        answer(u"status cd position wait"_s, "02:03:09:00");
        tick(*form, "CDTimer");
        QCOMPARE(text(*form, "Label4"), u"03:09"_s);

        const qsizetype mark = m_sound.sent.size();
        click(*form, "chameleonButton2");
        QCOMPARE(m_sound.sent.mid(mark).first(), u"play cd"_s);
        QCOMPARE(texts(*form, {"Label2", "Label9"}), (QStringList{"Track 2", "03:01"}));
        QCOMPARE(status(*form), std::pair(u" Playing "_s, QColor(0, 255, 0)));
        QCOMPARE(enabledButtons(*form), (QList<int>{7, 2, 4, 3, 5, 6, 10, 11, 1}));
        click(*form, "chameleonButton4");
        QCOMPARE(m_sound.sent.last() + text(*form, "chameleonButton4"), u"pause cdResume"_s);
        QCOMPARE(status(*form), std::pair(u" Paused "_s, QColor(0, 0, 255)));
        click(*form, "chameleonButton4");
        QCOMPARE(m_sound.sent.last() + text(*form, "chameleonButton4"), u"play cdPause"_s);
        click(*form, "chameleonButton5");
        QVERIFY(m_sound.sent.contains(u"play cd from 3"_s));
        click(*form, "chameleonButton3");
        QVERIFY(m_sound.sent.contains(u"stop cd"_s));
        QCOMPARE(status(*form), std::pair(u" Stopped "_s, QColor(255, 0, 0)));
        QCOMPARE(enabledButtons(*form), (QList<int>{7, 2, 3, 9, 1}));
        // Next and Previous are off after Stop; a press that reaches them anyway is refused.
        for (const char *button : {"chameleonButton5", "chameleonButton6"})
            emit child<ChameleonButton>(*form, QLatin1String(button))->Click();
        QCOMPARE(m_box.shown.size(), 2);
        QCOMPARE(m_box.shown[0].prompt, u"  Please play the file then click Next button!"_s);
        QCOMPARE(m_box.shown[1].prompt, u"  Please play the file then click Previous button!"_s);

        // The tray: opening it moves to the disc watch; closing it restarts nothing; a disc of
        // two tracks or more ends the watch, a single track does not.
        answer(u"status cd media present"_s, "false");
        click(*form, "chameleonButton9");
        QVERIFY(m_sound.sent.contains(u"set cd door open"_s));
        QCOMPARE(watching(*form), std::pair(false, true));
        click(*form, "chameleonButton9");
        QCOMPARE(m_sound.sent.last(), u"set cd door closed"_s);
        QCOMPARE(watching(*form), std::pair(false, true));
        answer(u"status cd media present"_s, "true");
        answer(u"status cd number of tracks"_s, "1");
        tick(*form, "CheckDeviceReady");
        QCOMPARE(watching(*form), std::pair(false, true));
        answer(u"status cd number of tracks"_s, "3");
        tick(*form, "CheckDeviceReady");
        QCOMPARE(watching(*form), std::pair(true, false));

        click(*form, "chameleonButton1");
        QCOMPARE(m_sound.sent.mid(m_sound.sent.size() - 2), (QStringList{"stop cd", "close all"}));
        QVERIFY(!form->isVisible());
    }

    // Without a disc, or with a device that does not open, Refresh watches for one; the list
    // says why (which row: CdToMp3Run_test).
    void refreshWithoutADiscWatchesForOne()
    {
        for (const auto &[openCode, present] : {std::pair{263u, "true"}, {0u, "false"}}) {
            init();
            answer(u"open cdaudio alias cd wait shareable"_s, "", openCode);
            answer(u"status cd media present"_s, present);
            m_library->unitReady = openCode != 0;
            const auto form = load();
            QCOMPARE(tracks(*form)->isEnabled(), m_library->unitReady);
            click(*form, "chameleonButton7");
            QCOMPARE(watching(*form), std::pair(false, true));
            QCOMPARE(text(*form, "Label14"), u"00"_s);
        }
    }

    // Label12 follows the current track for tracks 1 to 18 only; track i is 75 x i sectors.
    void theTrackSizeShowsForTheFirstEighteenTracks()
    {
        m_library->tocStarts = {0};
        for (int track = 1; track <= 20; ++track)
            m_library->tocStarts.push_back(m_library->tocStarts.back() + 75 * track);
        answer(u"status cd position wait"_s, "05:00:00:00");
        const auto form = load();
        click(*form, "chameleonButton7");
        QCOMPARE(text(*form, "Label12"), u"0.84MB"_s);
        for (const auto &[track, size] : {std::pair{"19", "0.84MB"}, {"18", "3.03MB"}}) {
            answer(u"status cd position wait"_s, track + ":00:00:00"_ba);
            tick(*form, "CDTimer");
            QCOMPARE(texts(*form, {"Label16", "Label12"}), (QStringList{track, size}));
        }
    }
};

TAVRO_QTEST_MAIN(CdPlayerWindowTest)
#include "CdPlayerWindow_test.moc"
