#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "DirTree.h"
#include "TestMedia.h"

// Two made-up volumes: a fixed disk holding music/rock/80s, music/.cache and Pop, and a removable
// stick holding one folder.
class DirTreeTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    MountTable::Sources m_sources;
    QString m_disk;
    QString m_stick;

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
        QTreeWidget *view = tree.tree();
        view->scrollToItem(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualItemRect(item).center());
    }

private slots:
    void initTestCase()
    {
        m_disk = make(QStringLiteral("disk"));
        make(QStringLiteral("disk/music/rock/80s"));
        make(QStringLiteral("disk/music/.cache"));
        make(QStringLiteral("disk/Pop"));
        m_stick = make(QStringLiteral("stick"));
        make(QStringLiteral("stick/photos"));
        make(QStringLiteral("sys/sdb/sdb1"));
        TestMedia::writeFile(m_root.filePath(QStringLiteral("sys/sdb/removable")), "1\n");
        TestMedia::writeFile(m_root.filePath(QStringLiteral("sys/sdb/sdb1/partition")), "1\n");
        QFile::link(m_root.filePath(QStringLiteral("sys/sdb/sdb1")),
                    m_root.filePath(QStringLiteral("sys/sdb1")));
        m_sources.mounts = m_root.filePath(QStringLiteral("mounts"));
        m_sources.blockDevices = m_root.filePath(QStringLiteral("sys"));
        m_sources.labels = m_root.filePath(QStringLiteral("labels"));
        TestMedia::writeFile(m_sources.mounts,
                             QStringLiteral("/dev/vdz1 %1 ext4 rw 0 0\n/dev/sdb1 %2 vfat rw 0 0\n")
                                 .arg(m_disk, m_stick)
                                 .toUtf8());
    }

    void volumesComeWithTheirFirstLevelOnlyAndRemovableMediaUnread()
    {
        DirTree tree(nullptr, MountTable(m_sources));
        QTreeWidget *view = tree.tree();
        QCOMPARE(view->objectName(), QStringLiteral("DirTree"));
        QCOMPARE(view->topLevelItemCount(), 2);
        QTreeWidgetItem *disk = view->topLevelItem(0);
        QCOMPARE(disk->text(0), QStringLiteral("Local Disk (%1)").arg(m_disk));
        QCOMPARE(texts(disk), (QStringList{"music", "Pop"})); // sorted without regard to case
        QCOMPARE(disk->child(0)->childCount(), 0);            // one level only
        QTreeWidgetItem *stick = view->topLevelItem(1);
        QCOMPARE(stick->text(0), QStringLiteral("(%1)").arg(m_stick));
        QCOMPARE(stick->childCount(), 0);
    }

    void expandingLoadsOneLevelFurtherAndPickingGivesThePath()
    {
        DirTree tree(nullptr, MountTable(m_sources));
        tree.resize(300, 400);
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        QSignalSpy changed(&tree, &DirTree::PathChanged);
        QTreeWidgetItem *disk = tree.tree()->topLevelItem(0);
        disk->setExpanded(true);
        QTreeWidgetItem *music = disk->child(0);
        QCOMPARE(texts(music), (QStringList{"rock"})); // hidden .cache is not listed
        QCOMPARE(disk->child(1)->childCount(), 0);     // Pop has no subfolders: no expand sign
        QCOMPARE(tree.tree()->currentItem(), disk);
        QCOMPARE(changed.count(), 0); // expanding is not picking

        music->setExpanded(true);
        click(tree, music->child(0));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(tree.Path(), m_disk + QStringLiteral("/music/rock/"));
        QCOMPARE(texts(music->child(0)), (QStringList{"80s"}));

        click(tree, disk);
        QCOMPARE(tree.Path(), m_disk + QLatin1Char('/'));
        QCOMPARE(changed.count(), 2);

        QTreeWidgetItem *stick = tree.tree()->topLevelItem(1);
        click(tree, stick); // a removable medium is read when picked
        QCOMPARE(texts(stick), (QStringList{"photos"}));
        QCOMPARE(tree.Path(), m_stick + QLatin1Char('/'));
    }

    void f5ReloadsTheVolumes()
    {
        DirTree tree(nullptr, MountTable(m_sources));
        tree.show();
        QVERIFY(QTest::qWaitForWindowExposed(&tree));
        make(QStringLiteral("disk/Jazz"));
        QCOMPARE(tree.tree()->topLevelItem(0)->childCount(), 2);
        tree.tree()->setFocus();
        QTest::keyClick(tree.tree(), Qt::Key_F5);
        QCOMPARE(texts(tree.tree()->topLevelItem(0)), (QStringList{"Jazz", "music", "Pop"}));
        QDir(m_root.filePath(QStringLiteral("disk/Jazz"))).removeRecursively();
    }
};

QTEST_MAIN(DirTreeTest)
#include "DirTree_test.moc"
