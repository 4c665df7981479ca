#include <QLabel>
#include <QtTest>

#include "InfoReport.h"
#include "Mp3Bytes.h"
#include "Mp3InfoWindow.h"
#include "Playlist.h"
#include "TestMedia.h"
#include "WidgetLookup.h"
#include "WindowTestMain.h"

// Wiring only: each InfoReport line in its caption and value labels, the play list's name for
// "File Name :", the file left alone, Close. The lines themselves: InfoCommand_test.
class Mp3InfoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheReportOfTheSelectedEntry()
    {
        QTemporaryDir dir;
        const QByteArray bytes =
            Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 20) + Mp3Bytes::tag("Blue in Green", "", 255);
        const QString file = Mp3Bytes::write(dir.filePath("a.mp3"), bytes);
        Playlist playlist;
        playlist.append("/music/other.mp3");
        playlist.appendNamed(file, "a.mp3"); // as the searcher names it
        playlist.setSelectedIndex(1);
        Mp3InfoWindow form(playlist);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QStringList shown;
        QStringList expected;
        for (const InfoReport::Line &line : InfoReport(file).lines()) {
            shown << child<QLabel>(form, "Caption" + QString::number(expected.size() / 2))->text()
                  << child<QLabel>(form, "Value" + QString::number(expected.size() / 2))->text();
            expected << line.caption << line.value;
        }
        expected[1] = "a.mp3";
        QCOMPARE(shown, expected);
        QVERIFY(shown.contains("Blue in Green"));
        QCOMPARE(TestMedia::readFile(file), bytes);
        form.show();
        QTest::mouseClick(child<QWidget>(form, "cmdClose"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

TAVRO_QTEST_MAIN(Mp3InfoWindowTest)
#include "Mp3InfoWindow_test.moc"
