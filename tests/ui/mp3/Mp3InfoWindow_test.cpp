#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "ChameleonButton.h"
#include "CliRun.h"
#include "FakeMediaComponent.h"
#include "Mp3FileRecord.h"
#include "Mp3InfoWindow.h"
#include "PlayerWindow.h"
#include "Playlist.h"
#include "TestMedia.h"

// The information window on real encoder output: what it shows for CBR, VBR, MPEG-2, tagged,
// untagged and missing files, that it says exactly what tavro-cli info says, and that it leaves
// the file alone.
class Mp3InfoWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    static QLabel *label(const QWidget &form, const QString &name)
    {
        auto *found = form.findChild<QLabel *>(name);
        if (!found)
            qFatal("no label %s", qPrintable(name));
        return found;
    }
    // Caption -> value, as shown.
    static QMap<QString, QString> lines(const QWidget &form)
    {
        QMap<QString, QString> shown;
        for (int i = 0; i < 20; ++i)
            shown[label(form, QStringLiteral("Caption%1").arg(i))->text()] =
                label(form, QStringLiteral("Value%1").arg(i))->text();
        return shown;
    }
    // The lines as one text, in window order, as tavro-cli info prints them.
    static QByteArray text(const QWidget &form)
    {
        QString block;
        for (int i = 0; i < 20; ++i)
            block += label(form, QStringLiteral("Caption%1").arg(i))->text() + QLatin1Char(' ') +
                     label(form, QStringLiteral("Value%1").arg(i))->text() + QLatin1Char('\n');
        return block.toUtf8();
    }
    static void select(Playlist &playlist, const QString &file)
    {
        playlist.append(file);
        playlist.setSelectedIndex(playlist.count() - 1);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(
            TestMedia::makeMp3(path("cbr.mp3"), 2, {QStringLiteral("-b"), QStringLiteral("128")}));
        QVERIFY(
            TestMedia::makeMp3(path("vbr.mp3"), 2, {QStringLiteral("-V"), QStringLiteral("2")}));
        // One second of 22050 Hz stereo silence: MPEG-2 frames without a byte pair the record
        // could take for an MPEG-1 header (a tone may hold such pairs by chance).
        QVERIFY(TestMedia::writeFile(path("silence.raw"), QByteArray(88200, '\0')));
        QCOMPARE(
            TestMedia::run(QStringLiteral("lame"),
                           {QStringLiteral("--quiet"), QStringLiteral("-r"), QStringLiteral("-s"),
                            QStringLiteral("22.05"), QStringLiteral("-b"), QStringLiteral("64"),
                            path("silence.raw"), path("mpeg2.mp3")}),
            0);
        QVERIFY(QFile::copy(path("cbr.mp3"), path("tagged.mp3")));
        Mp3FileRecord record;
        record.setFullName(path("tagged.mp3"));
        record.ReadMP3Info();
        QVERIFY(record.setTitle(QStringLiteral("Blue in Green")) &&
                record.setYear(QStringLiteral("1959")) &&
                record.setGenre(QStringLiteral("Unknown"))); // stored as genre 255
    }

    // The captions themselves come with the comparison against tavro-cli info below.
    void showsTitleNoteAndNoCloseBox()
    {
        Playlist playlist;
        select(playlist, path("cbr.mp3"));
        Mp3InfoWindow form(playlist);
        QCOMPARE(form.windowTitle(), QStringLiteral("MP3 File Information"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(form.pos(), QPoint((screen.width() - form.width()) / 2,
                                    (screen.height() - form.height()) / 2));
        QVERIFY(form.width() > 400); // laid out before it was centred
        QCOMPARE(
            label(form, QStringLiteral("Label21"))->text(),
            QStringLiteral("This is improved feature of TAVRO MP3 Player. You can get the complete "
                           "MP3 file information as well as ID3 Tags information."));
    }

    void showsWhatTavroCliInfoShowsAndLeavesTheFileAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("expected"); // caption, value, caption, value, ...
        QTest::newRow("CBR, untagged")
            << "cbr.mp3"
            << QStringList{"File Name :",      "cbr",       "MPEG Mode :",    "1.0",
                           "Layer :",          "3",         "Protected :",    "No",
                           "Bitrate :",        "128  Kb/s", "Frequency :",    "44100  Hz",
                           "Private :",        "False",     "Channel Mode :", "Joint Stereo",
                           "Copyright :",      "NO",        "Emphasis :",     "None",
                           "Title           ", "",          "Genre        ",  "",
                           "Valid Header   :", "YES"};
        QTest::newRow("VBR") << "vbr.mp3"
                             << QStringList{"MPEG Mode :", "1.0", "Frequency :",      "44100  Hz",
                                            "Protected :", "No",  "Valid Header   :", "YES"};
        // Only the play-time analyser reads MPEG-2 headers.
        QTest::newRow("MPEG-2") << "mpeg2.mp3"
                                << QStringList{"MPEG Mode :", "",     "Bitrate :",        "  Kb/s",
                                               "Frequency :", "  Hz", "Protected :",      "No",
                                               "Emphasis :",  "None", "Valid Header   :", "NO"};
        QTest::newRow("tagged") << "tagged.mp3" << QStringList{"Title           ", "Blue in Green",
                                                               "Year           ",  "1959",
                                                               "Artist         ",  "",
                                                               "Genre        ",    "Unknown",
                                                               "Valid Header   :", "YES"};
        QTest::newRow("missing") << "gone.mp3"
                                 << QStringList{
                                        "File Name :",      "gone",   "MPEG Mode :",      "",
                                        "Bitrate :",        "  Kb/s", "Protected :",      "Yes ",
                                        "Padded :",         "False",  "Ch. Mode Ext :",   "0",
                                        "Emphasis :",       "",       "Title           ", "",
                                        "Valid Header   :", "NO"};
    }

    void showsWhatTavroCliInfoShowsAndLeavesTheFileAlone()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, expected);
        const QString file = m_dir.filePath(name);
        const QByteArray before = TestMedia::readFile(file);
        Playlist playlist;
        select(playlist, file);
        Mp3InfoWindow form(playlist);
        const QMap<QString, QString> shown = lines(form);
        for (int i = 0; i + 1 < expected.size(); i += 2)
            QCOMPARE(shown.value(expected.at(i)), expected.at(i + 1));
        QCOMPARE(text(form), CliRun::run({QStringLiteral("info"), file}).out);
        QCOMPARE(TestMedia::readFile(file), before);
    }

    void fileNameIsThePlayListEntry()
    {
        Playlist playlist;
        playlist.appendNamed(path("vbr.mp3"),
                             QStringLiteral("vbr.mp3")); // as the searcher names it
        playlist.setSelectedIndex(0);
        Mp3InfoWindow form(playlist);
        QCOMPARE(lines(form).value(QStringLiteral("File Name :")), QStringLiteral("vbr.mp3"));
    }

    void mp3InfoButtonOpensItAndCloseBringsTheMainWindowBack()
    {
        FakeMediaComponent media;
        PlayerWindow main(media);
        main.show();
        select(main.playlist(), path("tagged.mp3"));
        QTest::mouseClick(main.button(10), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QPointer<Mp3InfoWindow> form;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *info = qobject_cast<Mp3InfoWindow *>(window))
                form = info;
        QVERIFY(form && form->isVisible());
        QCOMPARE(lines(*form).value(QStringLiteral("Title           ")),
                 QStringLiteral("Blue in Green"));
        QTest::mouseClick(form->findChild<ChameleonButton *>(QStringLiteral("cmdClose")),
                          Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(Mp3InfoWindowTest)
#include "Mp3InfoWindow_test.moc"
