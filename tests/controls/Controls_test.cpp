#include <limits>

#include <sys/stat.h>

#include <QApplication>
#include <QCloseEvent>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

#include "ButtonCaption.h"
#include "ButtonColors.h"
#include "ButtonLayout.h"
#include "ButtonProperties.h"
#include "ButtonShape.h"
#include "ChameleonButton.h"
#include "CloseBoxSwitch.h"
#include "DirListBox.h"
#include "DirTree.h"
#include "FileListBox.h"
#include "FileNameCodec.h"
#include "ProgressBar.h"
#include "SavedFile.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kW = 60;
constexpr int kH = 24;
const QColor kBackdrop(255, 0, 255);

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

// Colours as their grey levels, or as r,g,b where they are not grey.
QString levels(const QList<QColor> &colors)
{
    QStringList shown;
    for (const QColor &c : colors)
        shown << (c.red() == c.green() && c.green() == c.blue()
                      ? QString::number(c.red())
                      : u"%1,%2,%3"_s.arg(c.red()).arg(c.green()).arg(c.blue()));
    return shown.join(u' ');
}

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

class ControlsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;

    QString make(const QString &relative)
    {
        QDir(m_root.path()).mkpath(relative);
        return m_root.filePath(relative);
    }
    static QStringList texts(const QTreeWidgetItem *parent)
    {
        QStringList list;
        for (int i = 0; i < parent->childCount(); ++i)
            list << parent->child(i)->text(0);
        return list;
    }
    static void click(DirTree &tree, QTreeWidgetItem *item)
    {
        tree.tree()->scrollToItem(item);
        QTest::mouseClick(tree.tree()->viewport(), Qt::LeftButton, {},
                          tree.tree()->visualItemRect(item).center());
    }

    // What the window system does when the user presses the frame's close box: a spontaneous
    // close event to the platform window (QWindow::close() would count as the program's own).
    static void requestCloseFromFrame(QWidget &window)
    {
        QCloseEvent event;
        QSpontaneKeyEvent::setSpontaneous(&event);
        QCoreApplication::sendEvent(window.windowHandle(), &event);
    }

private slots:
    // Per scheme: face, shadow, light, highlight, dark shadow, text, hover accent, hover tint and
    // light face. Shifts truncate toward zero and stop at 0 and 255; a soft bevel halves them.
    // Scheme 1 (the system's colours, also for unknown schemes): type2Bevels.
    void colorSetPerScheme()
    {
        const struct {
            int scheme;
            bool hovered, softBevel;
            QString expected;
        } cases[] = {
            {2, false, false, u"192 128 223 239 0 0,0,255 64 192 240"_s},
            // Hovered, scheme 2 starts from BackOver; the light face's blue is scaled (type 3).
            {2, true, false, u"96 32 127 143 0 0,0,255 0 96 144,144,120"_s},
            {2, false, true, u"192 160 207 215 96 0,0,255 128 192 216"_s},
            {3, false, false, u"192 128 223 255 0 0,0,255 0,0,128 173,173,209 240"_s},
            {4, false, false, u"100 36 131 147 0 1,2,3 0,0,128 176,176,215 148,148,125"_s},
        };
        QPalette container;
        container.setColor(QPalette::Window, QColor(100, 100, 100));
        container.setColor(QPalette::WindowText, QColor(1, 2, 3));
        QPalette own;
        own.setColor(QPalette::Highlight, QColor(0, 0, 128));
        for (const auto &c : cases) {
            ButtonSettings settings;
            settings.colorScheme = c.scheme;
            settings.softBevel = c.softBevel;
            settings.backOver = QColor(96, 96, 96);
            const ButtonColors k = ButtonColors::make(settings, c.hovered, own, container);
            QCOMPARE(levels({k.face, k.shadow, k.light, k.highlight, k.darkShadow, k.text,
                             k.hoverAccent, k.hoverTint, k.lightFace}),
                     c.expected);
        }
    }

    // Per caption: the text shown, the access key's index, the caption marked for Qt, the shortcut.
    void accessKey()
    {
        for (const auto &[caption, parsed] : {std::pair{"&Open", "Open|0|&Open|Alt+O"},
                                              {"Save && Exit", "Save & Exit|-1|Save && Exit|"},
                                              {"&&&x", "&x|1|&&&x|Alt+X"},
                                              {"a&&b&c", "a&bc|3|a&&b&c|Alt+C"},
                                              {"&a&b", "ab|0|&ab|Alt+A"}, // only the first
                                              {"End&", "End&|-1|End&&|"}}) {
            const ButtonCaption c(QString::fromLatin1(caption));
            QCOMPARE((QStringList{c.text(), QString::number(c.accessKeyIndex()), c.marked(),
                                  c.shortcut().toString()})
                         .join(u'|'),
                     QLatin1String(parsed));
        }
    }

    void shapePerType()
    {
        const struct {
            int type, missing; // -1: not counted
            QPoint gone, kept;
        } cases[] = {{1, 4, {9, 7}, {1, 0}}, {3, 12, {8, 7}, {2, 0}},  {4, 12, {0, 6}, {0, 2}},
                     {5, 2, {9, 0}, {0, 0}}, {13, -1, {0, 0}, {5, 4}}, {2, 0, {-1, -1}, {0, 0}}};
        for (const auto &c : cases) {
            const QRegion region = ButtonShape::region(c.type, 10, 8);
            int area = 0;
            for (const QRect &r : region)
                area += r.width() * r.height();
            if (c.missing >= 0)
                QCOMPARE(80 - area, c.missing);
            QVERIFY(!region.contains(c.gone));
            QVERIFY(region.contains(c.kept));
        }
    }

    // Caption areas by type, and the picture beside, above or on the caption with its gap.
    void layout()
    {
        const QFontMetrics metrics(QFont(u"DejaVu Sans"_s, 8));
        const QSize client(100, 60);
        const QSize picture(16, 16);
        for (const auto &[type, area] : {std::pair{3, QRect(4, 4, 92, 52)},
                                         {7, QRect(3, 3, 94, 54)},
                                         {14, QRect(6, 6, 90, 50)}})
            QCOMPARE(ButtonLayout::make(type, client, metrics, u"Go"_s, {}, 0).captionRect, area);
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

    // Type 3 at 60 x 24 in each look: the outline, a corner pixel, row 1, the gradient near the
    // top, row h-2 and column w-3; the pixels its shape leaves out.
    void type3Looks()
    {
        const auto looks = [](ChameleonButton &button) {
            const QImage image = shot(button);
            QList<QColor> colors;
            for (const QPoint &p : {QPoint(2, 0), QPoint(1, 1), QPoint(10, 1), QPoint(4, 3),
                                    QPoint(10, 22), QPoint(57, 10)})
                colors << image.pixelColor(p);
            return levels(colors);
        };
        const QString frame = u"0,60,115 16,77,123 "_s;
        ChameleonButton b(u"OK"_s);
        b.resize(kW, kH);
        QCOMPARE(looks(b), frame + u"255 237 192,192,180 216,216,210"_s);
        enter(b);
        QCOMPARE(looks(b), frame + u"255,243,206 237 231,150,0 255,203,107"_s);
        b.setDown(true); // the gradient darkest at the top
        QCOMPARE(looks(b), frame + u"176,176,167 186,186,178 224,224,216 240"_s);
        b.setDown(false);
        b.setEnabled(false);
        QCOMPARE(looks(b), u"156,156,135 168,168,150"_s + u" 216,216,210"_s.repeated(4));
        const QImage image = shot(b);
        for (const QPoint &p : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(kW - 1, kH - 2)})
            QCOMPARE(image.pixelColor(p), kBackdrop);

        Host host;
        QVERIFY(QTest::qWaitForWindowActive(&host.window));
        host.first->setFocus();
        const QString focused = frame + u"206,231,255 237 107,130,239 181,209,240"_s;
        QCOMPARE(looks(*host.first), focused);
        host.second->setDefaultMark(true);
        QCOMPARE(looks(*host.second), focused);
    }

    // At a device pixel ratio of 2 every logical pixel of the frame is a 2 x 2 block of
    // exactly the colour it has at ratio 1: one-pixel lines stay sharp, nothing is blended.
    void type3AtDoubleResolution()
    {
        ChameleonButton b(u"OK"_s);
        b.resize(kW, kH);
        const QImage single = shot(b);
        const QImage twice = shot(b, 2);
        for (int y = 0; y < 2 * kH; ++y) {
            for (int x = 0; x < 2 * kW; ++x) {
                const bool frame = x < 8 || y < 8 || x >= 2 * kW - 8 || y >= 2 * kH - 8;
                if (frame && twice.pixel(x, y) != single.pixel(x / 2, y / 2))
                    QFAIL(qPrintable(u"device pixel %1,%2"_s.arg(x).arg(y)));
            }
        }
    }

    // The left edge of every type but 3, idle, hovered and pressed, in scheme 3's fixed colours
    // (d dark shadow, s shadow, f face, w highlight, a hover accent, - nothing drawn): which types
    // show a frame always, which only while hovered or pressed, which none.
    void frameOfEveryType()
    {
        const QHash<char, QColor> colors{{'d', {0, 0, 0}},       {'s', {128, 128, 128}},
                                         {'f', {192, 192, 192}}, {'w', {255, 255, 255}},
                                         {'a', {0, 0, 128}},     {'-', kBackdrop}};
        const char *edges[] = {"ddd", "wwd", "",    "wwd", "ddd", "wwd", "wws",
                               "fws", "faa", "fff", "---", "fsd", "ffd", "ddd"};
        for (int type = 1; type <= 14; ++type) {
            if (type == 3)
                continue;
            ChameleonButton b(u"OK"_s);
            ButtonSettings settings;
            settings.type = type;
            settings.colorScheme = 3;
            b.setSettings(settings);
            b.resize(kW, kH);
            QByteArray seen = QByteArray::number(type) + ':';
            seen += colors.key(pixel(shot(b), 0, kH / 2), '?');
            enter(b);
            seen += colors.key(pixel(shot(b), 0, kH / 2), '?');
            b.setDown(true);
            seen += colors.key(pixel(shot(b), 0, kH / 2), '?');
            QCOMPARE(seen, QByteArray::number(type) + ':' + edges[type - 1]);
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

    // Type 2 in the system's colours (scheme 1, as any unknown scheme): the two bevels, pressed,
    // and the default button's outline and focus rectangle.
    void type2Bevels()
    {
        ChameleonButton b(u"OK"_s);
        ButtonSettings settings;
        settings.type = 2;
        settings.colorScheme = 7;
        b.setSettings(settings);
        b.resize(kW, kH);
        const QPalette &p = b.palette();
        QImage image = shot(b);
        QCOMPARE(pixel(image, 0, 0), role(p, QPalette::Light));
        QCOMPARE(pixel(image, kW - 1, 10), role(p, QPalette::Shadow));
        QCOMPARE(pixel(image, 1, 10), role(p, QPalette::Midlight));
        QCOMPARE(pixel(image, kW - 2, 10), role(p, QPalette::Dark));
        b.setDown(true);
        QCOMPARE(pixel(shot(b), 1, 10), role(p, QPalette::Dark));
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

    // Space presses and clicks on release; the arrows move the focus back and forth; the access
    // key clicks.
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
        b.setCaption(u"&Go"_s);
        QTest::keyClick(&host.window, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(clicks.count(), 2);
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

    // Saved under these keys, loaded back with the keys in any case; a missing or broken key
    // gives the property's default.
    void properties()
    {
        const QVariantList pairs =
            QVariantList() << u"BTYPE"_s << 14 << u"TX"_s << u"&Go"_s << u"ENAB"_s << false
                           << u"FONT"_s << QFont(u"DejaVu Sans"_s, 11) << u"COLTYPE"_s << 4
                           << u"FOCUSR"_s << false << u"BCOL"_s << QColor(1, 2, 3) << u"BCOLO"_s
                           << QColor(4, 5, 6) << u"FCOL"_s << QColor(255, 0, 0) << u"FCOLO"_s
                           << QColor(7, 8, 9) << u"MCOL"_s << QColor(10, 11, 12) << u"MPTR"_s << 99
                           << u"HAND"_s << true << u"SOFT"_s << true << u"PICPOS"_s << 3
                           << u"UMCOL"_s << false << u"NGREY"_s << true << u"FX"_s << 2
                           << u"CHECK"_s << true << u"VALUE"_s << true;
        QVariantMap saved;
        QVariantMap mixed{{u"Picn"_s, QPixmap(5, 6)}};
        for (qsizetype i = 0; i < pairs.size(); i += 2) {
            const QString key = pairs[i].toString();
            saved.insert(key, pairs[i + 1]);
            mixed.insert(key.left(1) + key.mid(1).toLower(), pairs[i + 1]);
        }
        ChameleonButton loaded;
        ButtonProperties::load(loaded, mixed);
        QVariantMap again = ButtonProperties::save(loaded);
        QCOMPARE(again.take(u"PICN"_s).value<QPixmap>().size(), QSize(5, 6));
        QVERIFY(again.remove(u"PICH"_s) && again.remove(u"MICON"_s));
        QCOMPARE(again, saved);
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

    // Two made-up volumes: a fixed disk holding music/rock/80s, music/.cache and Pop, and a
    // removable stick (so says its disk in the made-up sysfs) holding one folder.
    void dirTreeLoadsOneLevelAtATimePicksAndReloadsOnF5()
    {
        const QString disk = make(u"disk/music/rock/80s"_s).section(u'/', 0, -4);
        make(u"disk/music/.cache"_s);
        make(u"disk/Pop"_s);
        const QString stick = make(u"stick/photos"_s).section(u'/', 0, -2);
        make(u"sys/sdb/sdb1"_s);
        TestMedia::writeFile(m_root.filePath(u"sys/sdb/removable"_s), "1\n");
        TestMedia::writeFile(m_root.filePath(u"sys/sdb/sdb1/partition"_s), "1\n");
        QFile::link(m_root.filePath(u"sys/sdb/sdb1"_s), m_root.filePath(u"sys/sdb1"_s));
        const MountTable::Sources sources = {
            m_root.filePath(u"mounts"_s), m_root.filePath(u"sys"_s), m_root.filePath(u"labels"_s)};
        TestMedia::writeFile(
            sources.mounts,
            u"/dev/vdz1 %1 ext4 rw 0 0\n/dev/sdb1 %2 vfat rw 0 0\n"_s.arg(disk, stick).toUtf8());

        DirTree tree(nullptr, MountTable(sources));
        tree.resize(300, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy changed(&tree, &DirTree::PathChanged);
        QTreeWidgetItem *top = tree.tree()->topLevelItem(0);
        QTreeWidgetItem *removable = tree.tree()->topLevelItem(1);
        QCOMPARE(top->text(0) + removable->text(0), u"Local Disk (%1)(%2)"_s.arg(disk, stick));
        QCOMPARE(texts(top), (QStringList{"music", "Pop"})); // sorted without regard to case
        QCOMPARE(top->child(0)->childCount() + removable->childCount(), 0); // one level only

        top->setExpanded(true);
        QTreeWidgetItem *music = top->child(0);
        QCOMPARE(texts(music), (QStringList{"rock"})); // hidden .cache is not listed
        QCOMPARE(top->child(1)->childCount(), 0);      // Pop has no subfolders: no expand sign
        QCOMPARE(tree.tree()->currentItem(), top);
        QCOMPARE(changed.count(), 0); // expanding is not picking
        music->setExpanded(true);
        click(tree, music->child(0));
        QCOMPARE(tree.Path(), disk + u"/music/rock/"_s);
        QCOMPARE(texts(music->child(0)), (QStringList{"80s"}));
        click(tree, removable);
        QCOMPARE(texts(removable), (QStringList{"photos"})); // read when picked
        QCOMPARE(tree.Path(), stick + u'/');
        QCOMPARE(changed.count(), 2);

        make(u"disk/Jazz"_s);
        tree.tree()->setFocus();
        QTest::keyClick(tree.tree(), Qt::Key_F5);
        QCOMPARE(texts(tree.tree()->topLevelItem(0)), (QStringList{"Jazz", "music", "Pop"}));
    }

    // The folder list: the ancestors, then the visible subfolders; the file list: the files
    // that match, without regard to case.
    void folderAndFileListsShowTheVisibleEntries()
    {
        const QString folder = make(u"lists/Rock"_s).section(u'/', 0, -2);
        make(u"lists/.config"_s);
        for (const char *name : {"b.MP3", "a.mp3", "c.wav", ".hidden.mp3"})
            TestMedia::writeFile(folder + u'/' + QLatin1String(name), "x");
        DirListBox folders;
        folders.setPath(folder + u'/');
        QCOMPARE(folders.count(), folder.count(u'/') + 2); // "/", each ancestor, Rock
        QCOMPARE(folders.item(0)->text(), u"/"_s);
        emit folders.itemActivated(folders.item(folders.count() - 1));
        folders.setPath(folder + u"/none"_s); // not a folder: ignored
        QCOMPARE(folders.Path(), folder + u"/Rock"_s);
        FileListBox files;
        files.setPattern(u"*.mp3"_s);
        files.setPath(folder);
        QCOMPARE(files.count(), 2);
        QCOMPARE(files.item(1)->text(), u"b.MP3"_s);

        // Names that are not UTF-8: items keep the bytes, the screen shows U+FFFD.
        const QByteArray bytes = QFile::encodeName(folder);
        QVERIFY(SavedFile::write(FileNameCodec::decode(bytes + "/caf\xe9.mp3"), "x"));
        QCOMPARE(::mkdir((bytes + "/\xff dir").constData(), 0755), 0);
        files.setPath(folder);
        QCOMPARE(FileNameCodec::encode(files.item(2)->text()), QByteArray("caf\xe9.mp3"));
        const auto *shown = qobject_cast<QStyledItemDelegate *>(files.itemDelegate());
        QVERIFY(shown);
        QCOMPARE(shown->displayText(files.item(2)->text(), {}), u"caf\uFFFD.mp3"_s);
        folders.setPath(folder);
        QCOMPARE(folders.item(folders.count() - 1)->text().trimmed(), u"\uFFFD dir"_s);
    }

    void progressBarFillsValueOverMaxInBlue()
    {
        ProgressBar bar;
        bar.resize(102, 22);                         // inside the border: 100 x 20 pixels
        QCOMPARE(bar.barRect(), QRect(1, 1, 0, 20)); // before anything is set: empty
        constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
        constexpr float kInfinity = std::numeric_limits<float>::infinity();
        // Max 0 and Max not a number are ignored: the earlier scale stays.
        const float cases[][3] = {{100, 50, 50}, {100, 250, 100}, {100, -10, 0}, {0, 30, 30},
                                  {120, 30, 25}, {kNaN, 8, 7},    {-4, -1, 25},  {4, kInfinity, 0}};
        for (const auto &[max, value, width] : cases) {
            bar.setMax(max);
            bar.setValue(value);
            QCOMPARE(bar.barRect(), QRect(1, 1, int(width), 20));
        }
        bar.setValue(2);
        const QImage image = bar.grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(80, 10), bar.palette().color(QPalette::Button));
    }

    // (That the program's close() still closes a disabled window, the tool windows' Close
    // buttons show in the main window's test.)
    void closeBoxSwitchIgnoresTheFrameUntilEnabledAgain()
    {
        QWidget window;
        const Qt::WindowFlags original = window.windowFlags();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CloseBoxSwitch::EnableCloseButton(&window, false);
        CloseBoxSwitch::EnableCloseButton(&window, false); // already off: changes nothing
        QVERIFY(window.isVisible());                       // shown again after the change
        QVERIFY(!window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(window.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        requestCloseFromFrame(window);
        QVERIFY(window.isVisible());

        CloseBoxSwitch::EnableCloseButton(&window, true);
        QCOMPARE(window.windowFlags(), original);
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        requestCloseFromFrame(window);
        QVERIFY(!window.isVisible());
    }
};

TAVRO_QTEST_MAIN(ControlsTest)
#include "Controls_test.moc"
