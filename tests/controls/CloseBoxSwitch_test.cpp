#include <QCloseEvent>
#include <QPushButton>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include "CloseBoxSwitch.h"

class CloseBoxSwitchTest : public QObject {
    Q_OBJECT
private:
    // What the window system does when the user presses the frame's close box: a spontaneous
    // close event to the platform window (QWindow::close() would count as the program's own).
    static void requestCloseFromFrame(QWidget &window)
    {
        QCloseEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::sendEvent(window.windowHandle(), &event);
    }

private slots:
    void frameRequestIsIgnoredButOwnCloseButtonCloses()
    {
        QWidget window;
        auto *close = new QPushButton(QStringLiteral("Close"), &window);
        connect(close, &QPushButton::clicked, &window, &QWidget::close);
        CloseBoxSwitch::EnableCloseButton(&window, false);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        requestCloseFromFrame(window);
        QVERIFY(window.isVisible());

        QTest::mouseClick(close, Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }

    void enablingRestoresTheFrameAndItsRequests()
    {
        QWidget window;
        const Qt::WindowFlags original = window.windowFlags();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CloseBoxSwitch::EnableCloseButton(&window, false);
        CloseBoxSwitch::EnableCloseButton(&window, false); // already off: changes nothing
        QVERIFY(window.isVisible());
        requestCloseFromFrame(window);
        QVERIFY(window.isVisible());

        CloseBoxSwitch::EnableCloseButton(&window, true);
        QCOMPARE(window.windowFlags(), original);
        QVERIFY(window.isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        requestCloseFromFrame(window);
        QVERIFY(!window.isVisible());
    }

    void childWidgetsAndNullAreLeftAlone()
    {
        QWidget window;
        QWidget child(&window);
        const Qt::WindowFlags before = child.windowFlags();
        CloseBoxSwitch::EnableCloseButton(&child, false);
        CloseBoxSwitch::EnableCloseButton(nullptr, false);
        QCOMPARE(child.windowFlags(), before);
    }
};

QTEST_MAIN(CloseBoxSwitchTest)
#include "CloseBoxSwitch_test.moc"
