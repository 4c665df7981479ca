#include <QApplication>
#include <QSignalSpy>
#include <QtTest>

#include "ButtonCaption.h"
#include "ButtonColors.h"
#include "ButtonLayout.h"
#include "ButtonProperties.h"
#include "ButtonShape.h"
#include "ChameleonButton.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kW = 60;
constexpr int kH = 24;
const QColor kBackdrop(255, 0, 255);
const QColor kOutline(0, 60, 115);
const QColor kCorner(16, 77, 123);

// The button drawn into an image of its size at the given device pixel ratio, over magenta so
// the pixels its shape leaves out show.
QImage shot(QWidget &button, int ratio = 1)
{
    QImage image(button.size() * ratio, QImage::Format_ARGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(kBackdrop);
    button.render(&image, {}, {}, QWidget::DrawChildren);
    return image;
}

// A shown, active window holding two buttons side by side, the first one 60 x 24.
struct Host {
    QWidget window;
    ChameleonButton *first = new ChameleonButton(u"OK"_s, &window);
    ChameleonButton *second = new ChameleonButton(u"Next"_s, &window);

    Host()
    {
        first->setGeometry(10, 10, kW, kH);
        second->setGeometry(80, 10, kW, kH);
        window.resize(160, 50);
        window.show();
        window.activateWindow();
    }
};

// The pointer entering or leaving, as the window system reports it.
void enter(ChameleonButton &button)
{
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&button, &event);
}

void leave(ChameleonButton &button)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(&button, &event);
}

QColor pixel(const QImage &image, int x, int y) { return image.pixelColor(x, y); }

QColor role(const QPalette &palette, QPalette::ColorRole role)
{
    return QColor(palette.color(role).rgb());
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class ChameleonButtonTest : public QObject {
    Q_OBJECT
private slots:
    void shiftAndTintColor()
    {
        struct Case {
            QColor color;
            int amount;
            bool scaleBlue, softBevel;
            QColor shifted;
        };
        const Case cases[] = {
            {{100, 150, 96}, 48, false, false, {148, 198, 144}},
            {{100, 150, 96}, 48, true, false, {148, 198, 120}},
            {{0, 0, 200}, -25, true, false, {0, 0, 174}},        // -26.04: truncated toward zero
            {{100, 100, 100}, 31, false, true, {115, 115, 115}}, // SoftBevel halves
            {{250, 10, 200}, 20, false, false, {255, 30, 220}},
            {{10, 10, 10}, -64, true, false, {0, 0, 7}},
        };
        for (const Case &c : cases)
            QCOMPARE(ButtonColors::shiftColor(c.color, c.amount, c.scaleBlue, c.softBevel),
                     c.shifted);
        QCOMPARE(ButtonColors::tintColor(QColor(0, 0, 128), 176), QColor(176, 176, 215));
        QCOMPARE(ButtonColors::tintColor(QColor(255, 255, 255), 176), QColor(255, 255, 255));
    }

    void colorSetPerScheme_data()
    {
        QTest::addColumn<int>("scheme");
        QTest::addColumn<bool>("hovered");
        // face, shadow, light, highlight, dark shadow, text, hover accent, hover tint, light face
        QTest::addColumn<QList<QColor>>("expected");
        const QColor silver(192, 192, 192);
        const QColor blue(0, 0, 255);
        QTest::newRow("2, BackColor")
            << 2 << false
            << QList<QColor>{silver, {128, 128, 128}, {223, 223, 223}, {239, 239, 239}, {0, 0, 0},
                             blue,   {64, 64, 64},    silver,          {240, 240, 240}};
        // Hovered, scheme 2 starts from BackOver; the light face's blue is scaled (type 3).
        QTest::newRow("2, BackOver")
            << 2 << true << QList<QColor>{{96, 96, 96},    {32, 32, 32}, {127, 127, 127},
                                          {143, 143, 143}, {0, 0, 0},    blue,
                                          {0, 0, 0},       {96, 96, 96}, {144, 144, 120}};
        QTest::newRow("3, fixed") << 3 << false << QList<QColor>{silver,          {128, 128, 128},
                                                                 {223, 223, 223}, {255, 255, 255},
                                                                 {0, 0, 0},       blue,
                                                                 {0, 0, 128},     {173, 173, 209},
                                                                 {240, 240, 240}};
        QPalette container;
        container.setColor(QPalette::Window, QColor(100, 100, 100));
        container.setColor(QPalette::WindowText, QColor(1, 2, 3));
        QPalette own;
        own.setColor(QPalette::Highlight, QColor(0, 0, 128));
        QTest::newRow("4, container")
            << 4 << false << QList<QColor>{{100, 100, 100}, {36, 36, 36},    {131, 131, 131},
                                           {147, 147, 147}, {0, 0, 0},       {1, 2, 3},
                                           {0, 0, 128},     {176, 176, 215}, {148, 148, 125}};
        own.setColor(QPalette::Button, QColor(10, 20, 30));
        own.setColor(QPalette::Dark, QColor(1, 1, 1));
        own.setColor(QPalette::Midlight, QColor(2, 2, 2));
        own.setColor(QPalette::Light, QColor(3, 3, 3));
        own.setColor(QPalette::Shadow, QColor(4, 4, 4));
        own.setColor(QPalette::ButtonText, QColor(5, 5, 5));
        const QList<QColor> system{{10, 20, 30}, {1, 1, 1},       {2, 2, 2},
                                   {3, 3, 3},    {4, 4, 4},       {5, 5, 5},
                                   {0, 0, 128},  {176, 176, 215}, {58, 68, 37}};
        QTest::newRow("1, system") << 1 << false << system;
        QTest::newRow("unknown acts as 1") << 7 << false << system;
        m_own = own;
        m_container = container;
    }
    void colorSetPerScheme()
    {
        QFETCH(int, scheme);
        QFETCH(bool, hovered);
        QFETCH(QList<QColor>, expected);
        ButtonSettings settings;
        settings.colorScheme = scheme;
        settings.backOver = QColor(96, 96, 96);
        const ButtonColors c = ButtonColors::make(settings, hovered, m_own, m_container);
        QCOMPARE((QList<QColor>{c.face, c.shadow, c.light, c.highlight, c.darkShadow, c.text,
                                c.hoverAccent, c.hoverTint, c.lightFace}),
                 expected);
        QCOMPARE(c.mask, QColor(192, 192, 192));
    }

    void accessKey()
    {
        struct Case {
            QString caption, shown;
            int keyIndex;
            QString marked, shortcut;
        };
        const Case cases[] = {
            {u"&Open"_s, u"Open"_s, 0, u"&Open"_s, u"Alt+O"_s},
            {u"Save && Exit"_s, u"Save & Exit"_s, -1, u"Save && Exit"_s, {}},
            {u"&&&x"_s, u"&x"_s, 1, u"&&&x"_s, u"Alt+X"_s},
            {u"a&&b&c"_s, u"a&bc"_s, 3, u"a&&b&c"_s, u"Alt+C"_s},
            {u"&a&b"_s, u"ab"_s, 0, u"&ab"_s, u"Alt+A"_s}, // only the first
            {u"End&"_s, u"End&"_s, -1, u"End&&"_s, {}},
        };
        for (const Case &c : cases) {
            const ButtonCaption parsed(c.caption);
            QCOMPARE(parsed.text(), c.shown);
            QCOMPARE(parsed.accessKeyIndex(), c.keyIndex);
            QCOMPARE(parsed.marked(), c.marked);
            QCOMPARE(parsed.shortcut(), QKeySequence(c.shortcut));
        }
    }

    void accessKeyClicks()
    {
        Host host;
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        host.first->setCaption(u"&Go"_s);
        QSignalSpy clicks(host.first, &ChameleonButton::Click);
        QTest::keyClick(&host.window, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 1);
    }

    // Masked out: the corner pixel and its two neighbours at each corner of types 3 and 4, the
    // corner pixels of 1 and 14, two of 5, the outside of the oval of 13.
    void shapePerType_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("missing");
        QTest::addColumn<QPoint>("gone");
        QTest::addColumn<QPoint>("kept");
        QTest::newRow("1") << 1 << 4 << QPoint(9, 7) << QPoint(1, 0);
        QTest::newRow("3") << 3 << 12 << QPoint(8, 7) << QPoint(2, 0);
        QTest::newRow("4") << 4 << 12 << QPoint(0, 6) << QPoint(0, 2);
        QTest::newRow("5") << 5 << 2 << QPoint(9, 0) << QPoint(0, 0);
        QTest::newRow("13") << 13 << -1 << QPoint(0, 0) << QPoint(5, 4);
        QTest::newRow("2") << 2 << 0 << QPoint(-1, -1) << QPoint(0, 0);
    }
    void shapePerType()
    {
        QFETCH(int, type);
        QFETCH(int, missing);
        QFETCH(QPoint, gone);
        QFETCH(QPoint, kept);
        const QRegion region = ButtonShape::region(type, 10, 8);
        int area = 0;
        for (const QRect &r : region)
            area += r.width() * r.height();
        if (missing >= 0)
            QCOMPARE(80 - area, missing);
        QVERIFY(!region.contains(gone));
        QVERIFY(region.contains(kept));
    }

    // Caption areas by type, and the picture beside, above or on the caption with its gap.
    void layout()
    {
        const QFontMetrics metrics(QFont(u"DejaVu Sans"_s, 8));
        const QSize client(100, 60);
        const QSize picture(16, 16);
        QCOMPARE(ButtonLayout::make(3, client, metrics, u"Go"_s, {}, 0).captionRect,
                 QRect(4, 4, 92, 52));
        QCOMPARE(ButtonLayout::make(7, client, metrics, u"Go"_s, {}, 0).captionRect,
                 QRect(3, 3, 94, 54));
        QCOMPARE(ButtonLayout::make(14, client, metrics, u"Go"_s, {}, 0).captionRect,
                 QRect(6, 6, 90, 50));
        const auto make = [&](int position) {
            return ButtonLayout::make(3, client, metrics, u"Go"_s, picture, position);
        };
        ButtonLayout l = make(0);
        QCOMPARE(l.pictureRect.right() + 1 + 4, l.textRect.left());
        QVERIFY(qAbs(l.pictureRect.center().y() - l.textRect.center().y()) <= 1);
        QVERIFY(qAbs(l.pictureRect.left() - (100 - l.textRect.right() - 1)) <= 1);
        l = make(1);
        QCOMPARE(l.textRect.right() + 1 + 4, l.pictureRect.left());
        l = make(2);
        QCOMPARE(l.pictureRect.bottom() + 1 + 2, l.textRect.top());
        QVERIFY(qAbs(l.pictureRect.center().x() - l.textRect.center().x()) <= 1);
        l = make(3);
        QCOMPARE(l.textRect.bottom() + 1 + 2, l.pictureRect.top());
        QCOMPARE(make(4).pictureRect, QRect(42, 22, 16, 16));
        QCOMPARE(ButtonLayout::make(3, client, metrics, QString(), picture, 0).pictureRect,
                 QRect(42, 22, 16, 16));
        // A caption too long for one line wraps inside the caption area.
        l = ButtonLayout::make(3, QSize(60, 60), metrics, u"Search MP3 Files Here"_s, {}, 0);
        QVERIFY(l.textRect.height() > metrics.height());
        QVERIFY(l.textRect.width() <= 52);
        // In a button too low for two lines it stays on one.
        l = ButtonLayout::make(3, QSize(56, 20), metrics, u"Search MP3 Files"_s, {}, 0);
        QVERIFY(l.textRect.height() < 2 * metrics.height());
        QVERIFY(!(l.textFlags & Qt::TextWordWrap));
    }

    // Type 3 pixel by pixel at 60 x 24: outline, corner pixels, gradient rows and inner edges
    // of the normal, focused, hovered, pressed and disabled looks.
    void type3Looks()
    {
        ChameleonButton b(u"OK"_s);
        b.resize(kW, kH);
        QImage image = shot(b);
        QCOMPARE(pixel(image, 0, 0), kBackdrop);
        QCOMPARE(pixel(image, 1, 0), kBackdrop);
        QCOMPARE(pixel(image, 0, 1), kBackdrop);
        QCOMPARE(pixel(image, kW - 1, kH - 2), kBackdrop);
        QCOMPARE(pixel(image, 2, 0), kOutline);
        QCOMPARE(pixel(image, kW - 1, 10), kOutline);
        QCOMPARE(pixel(image, 10, kH - 1), kOutline);
        for (const QPoint &p :
             {QPoint(1, 1), QPoint(1, kH - 2), QPoint(kW - 2, 1), QPoint(kW - 2, kH - 2)})
            QCOMPARE(pixel(image, p.x(), p.y()), kCorner);
        QCOMPARE(pixel(image, 4, 3), QColor(237, 237, 237));   // light face -3
        QCOMPARE(pixel(image, 4, 20), QColor(219, 219, 214));  // -21, blue scaled
        QCOMPARE(pixel(image, 10, 22), QColor(192, 192, 180)); // row h-2: -48
        QCOMPARE(pixel(image, 10, 1), QColor(255, 255, 255));  // row 1: +16
        QCOMPARE(pixel(image, 2, 10), QColor(230, 230, 228));  // column 2: -10
        QCOMPARE(pixel(image, 57, 10), QColor(216, 216, 210)); // column w-3: -24

        enter(b);
        image = shot(b);
        QCOMPARE(pixel(image, 1, 10), QColor(255, 178, 49));
        QCOMPARE(pixel(image, 10, 22), QColor(231, 150, 0));
        QCOMPARE(pixel(image, 10, 1), QColor(255, 243, 206));
        QCOMPARE(pixel(image, 10, 2), QColor(255, 219, 140));
        QCOMPARE(pixel(image, 2, 10), QColor(255, 203, 107));
        QCOMPARE(pixel(image, 4, 3), QColor(237, 237, 237));

        b.setDown(true);
        image = shot(b);
        QCOMPARE(pixel(image, 2, 0), kOutline);
        QCOMPARE(pixel(image, 1, 1), kCorner);
        QCOMPARE(pixel(image, 4, 3), QColor(186, 186, 178)); // darkest at the top
        QCOMPARE(pixel(image, 4, 20), QColor(204, 204, 196));
        QCOMPARE(pixel(image, 10, 22), QColor(224, 224, 216)); // row h-2: b +16
        QCOMPARE(pixel(image, 57, 10), QColor(240, 240, 240)); // column w-3: the light face
        QCOMPARE(pixel(image, 10, 1), QColor(176, 176, 167));  // row 1: b -32

        b.setDown(false);
        b.setEnabled(false);
        image = shot(b);
        QCOMPARE(pixel(image, 4, 3), QColor(216, 216, 210));
        QCOMPARE(pixel(image, 2, 0), QColor(156, 156, 135));
        QCOMPARE(pixel(image, 1, 1), QColor(168, 168, 150));
    }

    void type3Focused()
    {
        Host host;
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        host.first->setFocus();
        const QImage image = shot(*host.first);
        QCOMPARE(pixel(image, 1, 10), QColor(140, 174, 231));
        QCOMPARE(pixel(image, 10, 22), QColor(107, 130, 239));
        QCOMPARE(pixel(image, 10, 1), QColor(206, 231, 255));
        QCOMPARE(pixel(image, 58, 2), QColor(189, 215, 247));
        QCOMPARE(pixel(image, 57, 10), QColor(181, 209, 240));
        host.second->setDefaultMark(true);
        QCOMPARE(pixel(shot(*host.second), 10, 1), QColor(206, 231, 255));
    }

    // At a device pixel ratio of 2 every logical pixel of the frame is a 2 x 2 block of
    // exactly the colour it has at ratio 1: one-pixel lines stay sharp, nothing is blended.
    void type3AtDoubleResolution()
    {
        ChameleonButton b(u"OK"_s);
        b.resize(kW, kH);
        const QImage single = shot(b);
        const QImage twice = shot(b, 2);
        QCOMPARE(twice.size(), QSize(2 * kW, 2 * kH));
        QCOMPARE(pixel(twice, 4, 0), kOutline);
        QCOMPARE(pixel(twice, 5, 1), kOutline);
        QCOMPARE(pixel(twice, 2, 2), kCorner);
        QCOMPARE(pixel(twice, 3, 3), kCorner);
        for (int y = 0; y < 2 * kH; ++y) {
            for (int x = 0; x < 2 * kW; ++x) {
                const bool frame = x < 8 || y < 8 || x >= 2 * kW - 8 || y >= 2 * kH - 8;
                if (frame && twice.pixel(x, y) != single.pixel(x / 2, y / 2))
                    QFAIL(qPrintable(u"device pixel %1,%2"_s.arg(x).arg(y)));
            }
        }
    }

    // The left edge of every type, idle, hovered and pressed, in the fixed colours of scheme 3:
    // which types show a frame always, which only while hovered or pressed, which none.
    void frameOfEveryType()
    {
        const QColor face(192, 192, 192), dark(0, 0, 0), shadow(128, 128, 128),
            white(255, 255, 255), accent(0, 0, 128);
        const QList<QList<QColor>> edges{{dark, dark, dark},
                                         {white, white, dark},
                                         {},
                                         {white, white, dark},
                                         {dark, dark, dark},
                                         {white, white, dark},
                                         {white, white, shadow},
                                         {face, white, shadow},
                                         {face, accent, accent},
                                         {face, face, face},
                                         {kBackdrop, kBackdrop, kBackdrop},
                                         {face, shadow, dark},
                                         {face, face, dark},
                                         {dark, dark, dark}};
        for (int type = 1; type <= 14; ++type) {
            if (type == 3)
                continue;
            ChameleonButton b(u"OK"_s);
            ButtonSettings settings;
            settings.type = type;
            settings.colorScheme = 3;
            b.setSettings(settings);
            b.resize(kW, kH);
            const QList<QColor> expected = edges[type - 1];
            QCOMPARE(pixel(shot(b), 0, kH / 2), expected[0]);
            enter(b);
            QCOMPARE(pixel(shot(b), 0, kH / 2), expected[1]);
            b.setDown(true);
            QCOMPARE(pixel(shot(b), 0, kH / 2), expected[2]);
        }
    }

    // A picture centred on the button: its mask colour left out, grey until hovered, and
    // PictureOver while hovered.
    void pictures()
    {
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(QColor(255, 0, 0));
        red.setPixelColor(0, 0, QColor(192, 192, 192));
        ChameleonButton b;
        ButtonSettings settings;
        settings.pictureNormal = QPixmap::fromImage(red);
        settings.pictureOver = QPixmap::fromImage(red.mirrored(true, false));
        settings.picturePosition = 4;
        settings.useGreyscale = true;
        b.setSettings(settings);
        b.resize(kW, kH);
        QImage image = shot(b);
        QCOMPARE(pixel(image, 29, 11), QColor(87, 87, 87));
        QCOMPARE(pixel(image, 28, 10), pixel(image, 27, 10)); // the mask colour: the face shows
        enter(b);
        image = shot(b);
        QCOMPARE(pixel(image, 28, 10), QColor(255, 0, 0));
        QCOMPARE(pixel(image, 31, 10), pixel(image, 32, 10));
    }

    void type2Bevels()
    {
        ChameleonButton b(u"OK"_s);
        ButtonSettings settings;
        settings.type = 2;
        settings.colorScheme = 1;
        b.setSettings(settings);
        b.resize(kW, kH);
        const QPalette &p = b.palette();
        QImage image = shot(b);
        QCOMPARE(pixel(image, 0, 0), role(p, QPalette::Light));
        QCOMPARE(pixel(image, kW - 1, 10), role(p, QPalette::Shadow));
        QCOMPARE(pixel(image, 1, 10), role(p, QPalette::Midlight));
        QCOMPARE(pixel(image, kW - 2, 10), role(p, QPalette::Dark));
        b.setDown(true);
        image = shot(b);
        QCOMPARE(pixel(image, 0, 10), role(p, QPalette::Shadow));
        QCOMPARE(pixel(image, 1, 10), role(p, QPalette::Dark));
        b.setDown(false);
        b.setDefaultMark(true);
        image = shot(b);
        QCOMPARE(pixel(image, 0, 10), role(p, QPalette::Shadow));
        QCOMPARE(pixel(image, 1, 10), role(p, QPalette::Light));
        QCOMPARE(pixel(image, 2, 10), role(p, QPalette::Button));     // no inner pair
        QCOMPARE(pixel(image, 4, 10), role(p, QPalette::ButtonText)); // the focus rectangle
    }

    // A right click draws nothing pressed and clicks nothing, nor does a left press that leaves
    // the button (which draws it normal and raises MouseOut once); a left click of a check-box
    // button toggles Value, which draws the button pressed while it is on.
    void clicksLeavingAndCheckBoxValue()
    {
        Host host;
        ChameleonButton &b = *host.first;
        ButtonSettings settings = b.settings();
        settings.checkBoxBehaviour = true;
        b.setSettings(settings);
        const QImage normal = shot(b);
        QSignalSpy clicks(&b, &ChameleonButton::Click);
        QSignalSpy over(&b, &ChameleonButton::MouseOver);
        QSignalSpy out(&b, &ChameleonButton::MouseOut);
        QTest::mousePress(&b, Qt::RightButton, {}, QPoint(30, 12));
        QCOMPARE(shot(b), normal);
        QTest::mouseRelease(&b, Qt::RightButton, {}, QPoint(30, 12));
        enter(b);
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(pixel(shot(b), 10, 1), QColor(176, 176, 167));
        QTest::mouseMove(&b, QPoint(-20, 12));
        QCOMPARE(shot(b), normal);
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(-20, 12));
        leave(b);
        QCOMPARE(clicks.count(), 0);
        enter(b);
        leave(b);
        leave(b);
        QCOMPARE(over.count(), 2);
        QCOMPARE(out.count(), 2);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(30, 12));
        QCOMPARE(clicks.count(), 1);
        QVERIFY(b.Value());
        QCOMPARE(pixel(shot(b), 10, 1), QColor(176, 176, 167));
        b.click();
        QVERIFY(!b.Value());
        QCOMPARE(shot(b), normal);
    }

    // Space presses and clicks on release; the arrows move the focus back and forth.
    void keyboard()
    {
        Host host;
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        ChameleonButton &b = *host.first;
        b.setFocus();
        QSignalSpy clicks(&b, &ChameleonButton::Click);
        QTest::keyPress(&b, Qt::Key_Space);
        QCOMPARE(pixel(shot(b), 10, 1), QColor(176, 176, 167));
        QCOMPARE(clicks.count(), 0);
        QTest::keyRelease(&b, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(pixel(shot(b), 10, 1), QColor(206, 231, 255)); // focused, not pressed
        for (const auto &[key, to] : {std::pair{Qt::Key_Right, host.second},
                                      {Qt::Key_Left, host.first},
                                      {Qt::Key_Down, host.second},
                                      {Qt::Key_Up, host.first}}) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QCOMPARE(QApplication::focusWidget(), to);
        }
    }

    // Nothing is drawn again while the look stays the same; DisableRefresh stops all drawing
    // until refresh.
    void redrawsOnlyWhatChanged()
    {
        Host host;
        ChameleonButton &b = *host.first;
        QVERIFY(QTest::qWaitForWindowExposed(&host.window));
        ButtonSettings settings = b.settings();
        settings.checkBoxBehaviour = true;
        b.setSettings(settings);
        QCoreApplication::processEvents();
        PaintCounter paints;
        b.installEventFilter(&paints);
        b.setValue(false);
        b.setCaption(u"OK"_s);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, 0);
        b.setCaption(u"Go"_s);
        QTRY_COMPARE(paints.count, 1);
        b.DisableRefresh();
        b.setCaption(u"Stop"_s);
        enter(b);
        QCoreApplication::processEvents();
        QCOMPARE(paints.count, 1);
        b.refresh();
        QTRY_COMPARE(paints.count, 2);
    }

    // Saved under the short keys and loaded back with the keys in any case; a missing or
    // broken key gives the property's default.
    void propertiesRoundTrip()
    {
        ChameleonButton original(u"&Go"_s);
        ButtonSettings s;
        s.type = 14;
        s.colorScheme = 4;
        s.showFocusRect = false;
        s.backColor = QColor(1, 2, 3);
        s.backOver = QColor(4, 5, 6);
        s.foreColor = QColor(255, 0, 0);
        s.foreOver = QColor(7, 8, 9);
        s.maskColor = QColor(10, 11, 12);
        s.mousePointer = 99;
        s.handPointer = true;
        s.softBevel = true;
        s.pictureNormal = QPixmap(5, 6);
        s.picturePosition = 3;
        s.useMaskColor = false;
        s.useGreyscale = true;
        s.specialEffect = 2;
        s.checkBoxBehaviour = true;
        original.setSettings(s);
        original.setValue(true);
        original.setEnabled(false);
        QVariantMap saved = ButtonProperties::save(original);
        QCOMPARE(saved.size(), 23);
        QVariantMap mixed;
        for (auto it = saved.begin(); it != saved.end(); ++it) {
            QString key = it.key().toLower();
            key[0] = key[0].toUpper();
            mixed.insert(key, it.value());
        }
        ChameleonButton loaded;
        ButtonProperties::load(loaded, mixed);
        const auto comparable = [](QVariantMap map) {
            for (const char *picture : {"PICN", "PICH", "MICON"})
                map.remove(QLatin1String(picture));
            return map;
        };
        QCOMPARE(comparable(ButtonProperties::save(loaded)), comparable(saved));
        QCOMPARE(loaded.settings().pictureNormal.size(), QSize(5, 6));
        QCOMPARE(loaded.shortcut(), QKeySequence(u"Alt+G"_s));

        ButtonProperties::load(loaded, {{u"btype"_s, u"junk"_s},
                                        {u"BCOL"_s, QColor()},
                                        {u"PicPos"_s, 9},
                                        {u"fcol"_s, QColor(0, 0, 255)}});
        const ButtonSettings &d = loaded.settings();
        QCOMPARE(d.type, 2);
        QCOMPARE(d.colorScheme, 1);
        QCOMPARE(d.backColor, loaded.palette().color(QPalette::Button));
        QCOMPARE(d.backOver, d.backColor);
        QCOMPARE(d.foreOver, QColor(0, 0, 255));
        QCOMPARE(d.picturePosition, 0);
        QVERIFY(d.useMaskColor);
        QVERIFY(loaded.isEnabled());
        QVERIFY(!loaded.Value());
    }

private:
    QPalette m_own;
    QPalette m_container;
};

TAVRO_QTEST_MAIN(ChameleonButtonTest)
#include "ChameleonButton_test.moc"
