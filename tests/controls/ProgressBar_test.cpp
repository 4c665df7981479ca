#include <QtTest>

#include "ProgressBar.h"
#include "PropertyBag.h"

// A 102 x 22 box with its single-line border has an inner box of 100 x 20 pixels.
class ProgressBarTest : public QObject {
    Q_OBJECT
private:
    static void size(ProgressBar &bar) { bar.resize(102, 22); }

private slots:
    void valueIsTheBarsWidthOnTheMinToMaxScale()
    {
        ProgressBar bar;
        size(bar);
        QCOMPARE(bar.barRect(), QRect(1, 1, 0, 20)); // before anything is set: empty
        bar.setMax(100);
        bar.setValue(50);
        QCOMPARE(bar.barRect(), QRect(1, 1, 50, 20));
        bar.setValue(250); // beyond Max: the whole box, no further
        QCOMPARE(bar.barRect(), QRect(1, 1, 100, 20));
        QCOMPARE(bar.Value(), 250.0f);
        bar.setValue(-10); // below 0: nothing shows while Min is 0
        QCOMPARE(bar.barRect().width(), 0);
    }

    void maxOfZeroKeepsTheEarlierScale()
    {
        ProgressBar bar;
        size(bar);
        bar.setMax(200);
        bar.setMax(0);
        QCOMPARE(bar.Max(), 200.0f);
        bar.setValue(50);
        QCOMPARE(bar.barRect().width(), 25);
    }

    void minRescalesFromTheNewMinToTheCurrentMax()
    {
        ProgressBar bar;
        size(bar);
        bar.setMax(100);
        bar.setMin(-100); // coordinate 0 is now the middle of the box
        bar.setValue(50);
        QCOMPARE(bar.barRect(), QRect(51, 1, 25, 20));
        bar.setMin(100); // no width left: refused
        QCOMPARE(bar.Min(), -100.0f);
    }

    void barFollowsBorderAndSize()
    {
        ProgressBar bar;
        size(bar);
        bar.setMax(4);
        bar.setValue(1);
        bar.setBorderStyle(0);
        QCOMPARE(bar.barRect(), QRect(0, 0, 26, 22)); // 102 / 4, rounded
        bar.setBorderStyle(7);                        // not a border style
        QCOMPARE(bar.BorderStyle(), short(0));
        bar.resize(202, 40);
        QCOMPARE(bar.barRect(), QRect(0, 0, 51, 40));
    }

    void propertiesAreSavedAndLoadedInTheirOrderWithDefaults()
    {
        ProgressBar bar;
        PropertyBag defaults;
        bar.WriteProperties(defaults);
        QVERIFY(defaults.keys().isEmpty()); // defaults are not stored

        bar.setValue(30); // written last but read last too, after Max has made room for it
        bar.setMax(120);
        bar.setBorderStyle(0);
        bar.setForeColor(0x0000FF);
        bar.setBackColor(0xFFFFFF);
        PropertyBag bag;
        bar.WriteProperties(bag);
        QCOMPARE(bag.keys(),
                 (QStringList{"ForeColor", "BackColor", "BorderStyle", "Max", "Value"}));

        ProgressBar loaded;
        size(loaded);
        loaded.ReadProperties(bag);
        QCOMPARE(loaded.Max(), 120.0f);
        QCOMPARE(loaded.Value(), 30.0f);
        QCOMPARE(loaded.BorderStyle(), short(0));
        QCOMPARE(loaded.ForeColor(), 0x0000FFu);
        QCOMPARE(loaded.BackColor(), 0xFFFFFFu);
        QCOMPARE(loaded.barRect().width(), 26); // 102 * 30 / 120 = 25.5, rounded away from zero

        ProgressBar fresh;
        fresh.ReadProperties(PropertyBag());
        QCOMPARE(fresh.ForeColor(), ProgressBar::kDefaultForeColor);
        QCOMPARE(fresh.BackColor(), ProgressBar::kDefaultBackColor);
        QCOMPARE(fresh.Max(), 1.0f);
    }

    void paintsBarInForeColorOverBackColor()
    {
        ProgressBar bar;
        size(bar);
        bar.setMax(2);
        bar.setValue(1);
        bar.setForeColor(0xFF0000); // blue, stored as 0x00BBGGRR
        bar.setBackColor(0x00FF00);
        const QImage image = bar.grab().toImage();
        QCOMPARE(image.pixelColor(10, 10), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(80, 10), QColor(0, 255, 0));
    }
};

QTEST_MAIN(ProgressBarTest)
#include "ProgressBar_test.moc"
