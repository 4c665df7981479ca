#include <QTemporaryDir>
#include <QtTest>

#include "FileListBox.h"
#include "TestMedia.h"

class FileListBoxTest : public QObject {
    Q_OBJECT
private slots:
    void listsMatchingFilesWithoutRegardToCase()
    {
        QTemporaryDir dir;
        for (const char *name : {"b.MP3", "a.mp3", "c.wav", ".hidden.mp3", "notes.Mp3.txt"})
            TestMedia::writeFile(dir.filePath(QLatin1String(name)), "x");
        QDir(dir.path()).mkpath(QStringLiteral("folder.mp3"));

        FileListBox list;
        list.setPattern(QStringLiteral("*.mp3"));
        list.setPath(dir.path());
        QStringList names;
        for (int i = 0; i < list.count(); ++i)
            names << list.item(i)->text();
        QCOMPARE(names, (QStringList{"a.mp3", "b.MP3"}));

        list.setPattern(QStringLiteral("*.wav; *.txt"));
        QCOMPARE(list.count(), 2);
        list.setPath(dir.filePath(QStringLiteral("missing")));
        QCOMPARE(list.count(), 0);
    }
};

QTEST_MAIN(FileListBoxTest)
#include "FileListBox_test.moc"
