#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "DirListBox.h"

class DirListBoxTest : public QObject {
    Q_OBJECT
private slots:
    void showsAncestorsThenSubfoldersAndOpensTheOneActivated()
    {
        QTemporaryDir dir;
        for (const char *name : {"Rock", "jazz", ".config"})
            QDir(dir.path()).mkpath(QLatin1String(name));
        DirListBox list;
        QSignalSpy changed(&list, &DirListBox::Change);
        list.setPath(dir.path() + QLatin1Char('/'));
        QCOMPARE(list.Path(), dir.path());
        QCOMPARE(changed.count(), 1);

        const int depth = int(dir.path().count(QLatin1Char('/')));
        QCOMPARE(list.count(), depth + 1 + 2); // "/", each ancestor, then jazz and Rock
        QCOMPARE(list.item(0)->text(), QStringLiteral("/"));
        QCOMPARE(list.currentRow(), depth);
        QCOMPARE(list.item(depth + 1)->text().trimmed(), QStringLiteral("jazz"));
        QCOMPARE(list.item(depth + 2)->text().trimmed(), QStringLiteral("Rock"));

        emit list.itemActivated(list.item(depth + 2));
        QCOMPARE(list.Path(), dir.filePath(QStringLiteral("Rock")));
        QCOMPARE(changed.count(), 2);
        list.setPath(dir.filePath(QStringLiteral("no such folder")));
        QCOMPARE(list.Path(), dir.filePath(QStringLiteral("Rock")));
        emit list.itemActivated(list.item(0));
        QCOMPARE(list.Path(), QStringLiteral("/"));
    }
};

QTEST_MAIN(DirListBoxTest)
#include "DirListBox_test.moc"
