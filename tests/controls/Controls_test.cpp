#include <limits>

#include <sys/stat.h>

#include <QCloseEvent>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>
#include <QtTest>

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
