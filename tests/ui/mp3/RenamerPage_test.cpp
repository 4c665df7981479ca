#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "ChameleonButton.h"
#include "FileListBox.h"
#include "Mp3FileRecord.h"
#include "RenamePattern.h"
#include "RenamerPage.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"

// The renamer page on real files: no rename before an arrangement is chosen, RENAME ALL over a
// folder with a name clash, RENAME SELECTED with the play time, the log, the refusals.
class RenamerPageTest : public QObject {
    Q_OBJECT
private:
    QString m_tone;
    QTemporaryDir m_source;

    template <typename T> static T *child(const QWidget &page, const QString &name)
    {
        T *widget = page.findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }
    static void click(const QWidget &page, const QString &name)
    {
        QTest::mouseClick(child<QAbstractButton>(page, name), Qt::LeftButton);
    }
    static QStringList texts(const QListWidget *list)
    {
        QStringList all;
        for (int row = 0; row < list->count(); ++row)
            all << list->item(row)->text();
        return all;
    }
    void tagged(const QString &path, const QString &title, const QString &artist) const
    {
        QVERIFY(QFile::copy(m_tone, path));
        Mp3FileRecord record;
        record.setFullName(path);
        record.ReadMP3Info();
        QVERIFY(record.setTitle(title) && record.setArtist(artist));
    }

private slots:
    void initTestCase()
    {
        m_tone = m_source.filePath(QStringLiteral("tone.mp3"));
        QVERIFY(TestMedia::makeMp3(m_tone, 2, {QStringLiteral("-b"), QStringLiteral("128")}));
    }

    void renamesOnlyOnceAnArrangementIsChosen()
    {
        RenamerPage page;
        auto *renameSelected = child<ChameleonButton>(page, QStringLiteral("cmd_3"));
        auto *renameAll = child<ChameleonButton>(page, QStringLiteral("cmd_4"));
        QCOMPARE(renameSelected->Caption(), QStringLiteral("RENAME SELECTED"));
        QCOMPARE(renameAll->Caption(), QStringLiteral("RENAME ALL"));
        QCOMPARE(child<QCheckBox>(page, QStringLiteral("chkTime"))->text(),
                 QStringLiteral("Attach Time(00:00)"));
        QCOMPARE(child<QRadioButton>(page, QStringLiteral("optArrange_3"))->text(),
                 QStringLiteral("Album, Title, Artist"));
        QVERIFY(child<QRadioButton>(page, QStringLiteral("optSeparator_0"))->isChecked());
        QVERIFY(!renameSelected->isEnabled() && !renameAll->isEnabled());
        click(page, QStringLiteral("optArrange_0"));
        QVERIFY(renameSelected->isEnabled() && renameAll->isEnabled());
    }

    void renameAllLogsEveryFileAndOverwritesNothing()
    {
        QTemporaryDir dir;
        tagged(dir.filePath("a.mp3"), "Song", "Band");
        tagged(dir.filePath("b.mp3"), "Song", "Band"); // the same name: a clash
        tagged(dir.filePath("c.MP3"), "Tune", "Band");
        QVERIFY(TestMedia::writeFile(dir.filePath("notes.txt"), "not music"));
        const QByteArray b = TestMedia::readFile(dir.filePath("b.mp3"));
        RenamerPage page;
        page.setFolder(dir.path());
        auto *files = child<FileListBox>(page, QStringLiteral("FileList_1"));
        QCOMPARE(texts(files), (QStringList{"a.mp3", "b.mp3", "c.MP3"}));

        click(page, QStringLiteral("optArrange_4")); // Title, Artist; Dash
        click(page, QStringLiteral("cmd_4"));
        QCOMPARE(
            texts(child<QListWidget>(page, QStringLiteral("lv"))),
            (QStringList{dir.filePath("a.mp3") + " renamed to " + dir.filePath("Song-Band.mp3"),
                         dir.filePath("b.mp3") + " not renamed, " + dir.filePath("Song-Band.mp3") +
                             " exists",
                         dir.filePath("c.MP3") + " renamed to " + dir.filePath("Tune-Band.mp3")}));
        QCOMPARE(texts(files), (QStringList{"b.mp3", "Song-Band.mp3", "Tune-Band.mp3"}));
        QCOMPARE(TestMedia::readFile(dir.filePath("b.mp3")), b);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 4);
    }

    void renameSelectedAttachesThePlayTime()
    {
        ScriptedMessageBox messages;
        QTemporaryDir dir;
        tagged(dir.filePath("a.mp3"), "Song", "Band");
        tagged(dir.filePath("b.mp3"), "Tune", "Band");
        RenamerPage page;
        page.setFolder(dir.path());
        click(page, QStringLiteral("optArrange_5"));   // Artist, Title
        click(page, QStringLiteral("optSeparator_2")); // Underscore
        click(page, QStringLiteral("chkTime"));
        auto *files = child<FileListBox>(page, QStringLiteral("FileList_1"));
        files->setCurrentRow(1);
        click(page, QStringLiteral("cmd_3"));
        QCOMPARE(texts(files), (QStringList{"a.mp3", "Band_Tune (0.02).mp3"}));
        QCOMPARE(child<QListWidget>(page, QStringLiteral("lv"))->count(), 1);
        QVERIFY(child<QCheckBox>(page, QStringLiteral("chkTime"))->isChecked());
        QCOMPARE(RenamePattern::AttachTime, 0);

        click(page, QStringLiteral("cmd_3")); // the refreshed list has nothing selected
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().prompt, QStringLiteral("Sorry, no file selected!"));
        QCOMPARE(messages.shown.first().title, QCoreApplication::applicationName());
        QCOMPARE(texts(files), (QStringList{"a.mp3", "Band_Tune (0.02).mp3"}));
    }

    void renameAllOfAnEmptyFolderSaysSo()
    {
        ScriptedMessageBox messages;
        QTemporaryDir dir;
        RenamerPage page;
        page.setFolder(dir.path());
        click(page, QStringLiteral("optArrange_0"));
        click(page, QStringLiteral("cmd_4"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().prompt, QStringLiteral("Sorry, no files listed!"));
        QCOMPARE(messages.shown.first().buttons, MessageBox::OkOnly);
        QCOMPARE(child<QListWidget>(page, QStringLiteral("lv"))->count(), 0);
    }
};

QTEST_MAIN(RenamerPageTest)
#include "RenamerPage_test.moc"
