#include <QLabel>
#include <QtTest>

#include "AboutWindow.h"
#include "ChameleonButton.h"
#include "WidgetLookup.h"
#include "WindowTestMain.h"

class AboutWindowTest : public QObject {
    Q_OBJECT
private slots:
    // The caption, eight labels with the author's heading, no close box; Close closes.
    void showsItsTextsAndClosesThroughItsOwnButton()
    {
        AboutWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("About TAVRO MP3 PLAYER"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        for (int number = 1; number <= 8; ++number)
            QVERIFY(!child<QLabel>(form, QStringLiteral("Label%1").arg(number))->text().isEmpty());
        QCOMPARE(child<QLabel>(form, QStringLiteral("Label6"))->text(),
                 QStringLiteral("  About The Author"));
        auto *close = child<ChameleonButton>(form, QStringLiteral("Command3"));
        QCOMPARE(close->Caption(), QStringLiteral("Close"));
        form.show();
        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }
};

TAVRO_QTEST_MAIN(AboutWindowTest)
#include "AboutWindow_test.moc"
