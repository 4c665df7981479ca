#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "ChameleonButton.h"
#include "InfoReport.h"
#include "Mp3Bytes.h"
#include "Mp3InfoWindow.h"
#include "Playlist.h"
#include "TestMedia.h"
#include "WidgetLookup.h"

// Wiring only: each InfoReport line in its caption and value labels, the play list's name for
// "File Name :", the file left alone. The lines themselves: InfoCommand_test.
class Mp3InfoWindowTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheReportOfTheSelectedEntry()
    {
        QTemporaryDir dir;
        const QString file = Mp3Bytes::write(dir.filePath(QStringLiteral("a.mp3")),
                                             Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 20) +
                                                 Mp3Bytes::tag("Blue in Green", "Miles", 255));
        const QByteArray before = TestMedia::readFile(file);
        Playlist playlist;
        playlist.append(QStringLiteral("/music/other.mp3"));
        playlist.appendNamed(file, QStringLiteral("a.mp3")); // as the searcher names it
        playlist.setSelectedIndex(1);
        Mp3InfoWindow form(playlist);
        QCOMPARE(form.windowTitle(), QStringLiteral("MP3 File Information"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(form.width() > 400); // laid out before it was centred
        QCOMPARE(form.pos(), QPoint((screen.width() - form.width()) / 2,
                                    (screen.height() - form.height()) / 2));

        const QList<InfoReport::Line> lines = InfoReport(file).lines();
        QCOMPARE(lines.size(), 20);
        QCOMPARE(lines.at(13).value, QStringLiteral("Blue in Green"));
        for (int i = 0; i < lines.size(); ++i) {
            QCOMPARE(child<QLabel>(form, QStringLiteral("Caption%1").arg(i))->text(),
                     lines.at(i).caption);
            QCOMPARE(child<QLabel>(form, QStringLiteral("Value%1").arg(i))->text(),
                     i == 0 ? QStringLiteral("a.mp3") : lines.at(i).value);
        }
        QCOMPARE(TestMedia::readFile(file), before);

        form.show();
        QTest::mouseClick(child<ChameleonButton>(form, QStringLiteral("cmdClose")), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

QTEST_MAIN(Mp3InfoWindowTest)
#include "Mp3InfoWindow_test.moc"
