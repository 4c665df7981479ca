#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "ChameleonButton.h"
#include "FileListBox.h"
#include "Mp3Bytes.h"
#include "RenamerPage.h"
#include "ScriptedMessageBox.h"
#include "TestMedia.h"
#include "WidgetLookup.h"

// Wiring of the renamer page: the choices make the pattern, the run (TagRenamer_test) goes on a
// worker with the RENAME buttons off, and each result shows as it arrives: notices in message
// boxes, then the log line; the file list is read again at the end.
class RenamerPageTest : public QObject {
    Q_OBJECT
private:
    static void click(const QWidget &page, const char *name)
    {
        QTest::mouseClick(child<QAbstractButton>(page, QLatin1String(name)), Qt::LeftButton);
    }
    static QStringList texts(const QListWidget *list)
    {
        QStringList all;
        for (int row = 0; row < list->count(); ++row)
            all << list->item(row)->text();
        return all;
    }
    static void tagged(const QString &path, const QByteArray &title, const QByteArray &artist)
    {
        Mp3Bytes::write(path, Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300) +
                                  Mp3Bytes::tag(title, artist, 17)); // 7.82 s
    }
    // Presses a RENAME button and waits for the run to end.
    static void rename(const QWidget &page, const char *button)
    {
        auto *renameAll = child<ChameleonButton>(page, QStringLiteral("cmd_4"));
        click(page, button);
        QVERIFY(!renameAll->isEnabled());
        QVERIFY(!child<ChameleonButton>(page, QStringLiteral("cmd_3"))->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(renameAll->isEnabled(), 30000);
    }

private slots:
    void renamesOnlyOnceAnArrangementIsChosen()
    {
        RenamerPage page;
        auto *renameSelected = child<ChameleonButton>(page, QStringLiteral("cmd_3"));
        auto *renameAll = child<ChameleonButton>(page, QStringLiteral("cmd_4"));
        QVERIFY(!renameSelected->isEnabled() && !renameAll->isEnabled());
        click(page, "optArrange_0");
        QVERIFY(renameSelected->isEnabled() && renameAll->isEnabled());
    }

    void renameAllShowsEachResultAndOverwritesNothing()
    {
        ScriptedMessageBox messages;
        QTemporaryDir dir;
        tagged(dir.filePath("a.mp3"), "Song", "Band");
        tagged(dir.filePath("b.mp3"), "Song", "Band"); // the same name: a clash
        tagged(dir.filePath("c.MP3"), "Tune", "");     // a trailing dash, dropped
        QVERIFY(TestMedia::writeFile(dir.filePath("notes.txt"), "not music"));
        const QByteArray b = TestMedia::readFile(dir.filePath("b.mp3"));
        RenamerPage page;
        page.setFolder(dir.path());
        auto *files = child<FileListBox>(page, QStringLiteral("FileList_1"));
        QCOMPARE(texts(files), (QStringList{"a.mp3", "b.mp3", "c.MP3"}));

        click(page, "optArrange_4"); // Title, Artist; Dash
        rename(page, "cmd_4");
        auto *lv = child<QListWidget>(page, QStringLiteral("lv"));
        QCOMPARE(
            texts(lv),
            (QStringList{dir.filePath("a.mp3") + " renamed to " + dir.filePath("Song-Band.mp3"),
                         dir.filePath("b.mp3") + " not renamed, " + dir.filePath("Song-Band.mp3") +
                             " exists",
                         dir.filePath("c.MP3") + " renamed to " + dir.filePath("Tune.mp3")}));
        QCOMPARE(lv->item(0)->foreground(), QBrush());
        QCOMPARE(lv->item(1)->foreground().color(), QColor(160, 0, 0));
        QCOMPARE(texts(files), (QStringList{"b.mp3", "Song-Band.mp3", "Tune.mp3"}));
        QCOMPARE(TestMedia::readFile(dir.filePath("b.mp3")), b);
        QCOMPARE(messages.shown.size(), 2);
        for (const auto &[shown, prompt] :
             {std::pair{messages.shown[0], "Tune-"}, {messages.shown[1], "Tune"}}) {
            QCOMPARE(shown.prompt, QLatin1String(prompt));
            QCOMPARE(shown.buttons, MessageBox::OkOnly);
            QCOMPARE(shown.title, QCoreApplication::applicationName());
        }
    }

    void renameSelectedAttachesThePlayTime()
    {
        ScriptedMessageBox messages;
        QTemporaryDir dir;
        tagged(dir.filePath("a.mp3"), "Song", "Band");
        tagged(dir.filePath("b.mp3"), "Tune", "Band");
        RenamerPage page;
        page.setFolder(dir.path());
        click(page, "optArrange_5");   // Artist, Title
        click(page, "optSeparator_2"); // Underscore
        click(page, "chkTime");
        auto *files = child<FileListBox>(page, QStringLiteral("FileList_1"));
        files->setCurrentRow(1);
        rename(page, "cmd_3");
        QCOMPARE(texts(files), (QStringList{"a.mp3", "Band_Tune (0.08).mp3"}));
        QCOMPARE(child<QListWidget>(page, QStringLiteral("lv"))->count(), 1);

        click(page, "cmd_3"); // the list read again has nothing selected
        click(page, "optArrange_0");
        const QTemporaryDir empty;
        page.setFolder(empty.path());
        click(page, "cmd_4");
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].prompt, QStringLiteral("Sorry, no file selected!"));
        QCOMPARE(messages.shown[1].prompt, QStringLiteral("Sorry, no files listed!"));
        QCOMPARE(child<QListWidget>(page, QStringLiteral("lv"))->count(), 1);
    }
};

QTEST_MAIN(RenamerPageTest)
#include "RenamerPage_test.moc"
