#include <QLabel>
#include <QTreeWidget>
#include <QtTest>

#include "ControlActions.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "InfoReport.h"
#include "Mp3Bytes.h"
#include "Mp3InfoWindow.h"
#include "Mp3SearchWindow.h"
#include "Playlist.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

// The tool windows over the play list. The searcher: the walk (Mp3Search_test) runs on a worker
// while the window shows its progress, lists the rows, fills the play list and keeps Search and
// Close off until it ends; the tree holds two files at the top, one in each of two subfolders, a
// WAV file that is not listed. The information window: each InfoReport line in its caption and
// value labels (the lines themselves: InfoCommand_test), the play list's name for "File Name :".
class Mp3WindowsTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    // The status, then Search and Close: "+" on, "-" off.
    static QString state(const QWidget &form)
    {
        QString state = text(form, "Label2") + ' ';
        for (const char *button : {"chameleonButton1", "chameleonButton2"})
            state += child<QWidget>(form, button)->isEnabled() ? '+' : '-';
        return state;
    }
    // Points the folder list at the tree and presses Search; the walk is then under way.
    void startSearch(QWidget &form) const
    {
        child<DirListBox>(form, "Dir1")->setPath(m_root.path());
        QTest::mouseClick(child<QWidget>(form, "chameleonButton1"), Qt::LeftButton);
        QCOMPARE(state(form), " Running ..... Please Wait! --");
    }
    void search(QWidget &form) const
    {
        startSearch(form);
        QTRY_COMPARE_WITH_TIMEOUT(state(form), " Completed! ++", 60000);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(TestMedia::makeMp3(path("tone.source"), 2, {"-b", "128"}));
        QDir(m_root.path()).mkpath("one");
        QDir(m_root.path()).mkpath("two/deep");
        for (const char *name : {"Top.mp3", "b.MP3", "one/1.mp3", "two/deep/2.mp3"})
            QVERIFY(QFile::copy(path("tone.source"), path(name)));
        TestMedia::writeFile(path("voice.wav"), "RIFF");
    }

    void searchListsTheRowsAndFillsThePlayList()
    {
        Playlist playlist;
        playlist.append("/music/old.mp3");
        playlist.append("/music/older.mp3");
        playlist.setSelectedIndex(1);
        Mp3SearchWindow form(playlist);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(state(form), " Not Started! ++");
        // The folder list starts at the drive's root; the file list follows it.
        const QString driveRoot = child<DriveListBox>(form, "Drive1")->Drive();
        QCOMPARE(child<DirListBox>(form, "Dir1")->Path(), driveRoot);
        child<DirListBox>(form, "Dir1")->setPath(m_root.path());
        QCOMPARE(child<FileListBox>(form, "File1")->count(), 4);

        search(form);
        const QString size =
            QString::number(QFileInfo(path("b.MP3")).size() / 1048576.0, 'f', 2) + " MB";
        QStringList expected;
        for (const QString name : {"b.MP3", "Top.mp3", "one/1.mp3", "two/deep/2.mp3"})
            expected << QFileInfo(name).fileName() + '|' + QFileInfo(path(name)).path() + '|' +
                            size + "|0:2";
        auto *lv1 = child<QTreeWidget>(form, "lv1");
        QStringList shown;
        for (int row = 0; row < lv1->topLevelItemCount(); ++row)
            shown << cells(lv1->topLevelItem(row)).join('|');
        QCOMPARE(shown, expected);
        // Folders: start, one, two, two/deep; red, and the folder list back at the drive's root.
        QCOMPARE(text(form, "Label4") + ' ' + text(form, "Label6"), "4 4");
        QCOMPARE(child<QLabel>(form, "Label2")->palette().color(QPalette::WindowText),
                 QColor(Qt::red));
        QCOMPARE(child<DirListBox>(form, "Dir1")->Path(), driveRoot);
        // One separator, then each file by its path and its name with the extension: the lists
        // stay index for index, and the selection stays.
        QCOMPARE(playlist.names(), (QStringList{"old", "older", " NEXT DIRECTORY", "b.MP3",
                                                "Top.mp3", "1.mp3", "2.mp3"}));
        QCOMPARE(playlist.paths(),
                 (QStringList{"/music/old.mp3", "/music/older.mp3", "", path("b.MP3"),
                              path("Top.mp3"), path("one/1.mp3"), path("two/deep/2.mp3")}));
        QCOMPARE(playlist.selectedIndex(), 1);

        Playlist shortList; // fewer than two entries: no separator
        shortList.append("/music/only.mp3");
        Mp3SearchWindow other(shortList);
        search(other);
        QCOMPARE(shortList.names().mid(0, 2), (QStringList{"only", "b.MP3"}));
    }

    void showsTheReportOfTheSelectedEntry()
    {
        QTemporaryDir dir;
        const QByteArray bytes =
            Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 20) + Mp3Bytes::tag("Blue in Green", "", 255);
        const QString file = Mp3Bytes::write(dir.filePath("a.mp3"), bytes);
        Playlist playlist;
        playlist.append("/music/other.mp3");
        playlist.appendNamed(file, "a.mp3"); // as the searcher names it
        playlist.setSelectedIndex(1);
        Mp3InfoWindow form(playlist);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QStringList shown;
        QStringList expected;
        for (const InfoReport::Line &line : InfoReport(file).lines()) {
            shown << child<QLabel>(form, "Caption" + QString::number(expected.size() / 2))->text()
                  << child<QLabel>(form, "Value" + QString::number(expected.size() / 2))->text();
            expected << line.caption << line.value;
        }
        expected[1] = "a.mp3";
        QCOMPARE(shown, expected);
        QVERIFY(shown.contains("Blue in Green"));
        QCOMPARE(TestMedia::readFile(file), bytes);
        form.show();
        QTest::mouseClick(child<QWidget>(form, "cmdClose"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
    }

    void closingOrDestroyingWhileItRunsEndsTheWalk()
    {
        Playlist playlist;
        QPointer<Mp3SearchWindow> form = new Mp3SearchWindow(playlist);
        form->setAttribute(Qt::WA_DeleteOnClose);
        form->show();
        startSearch(*form);
        form->close(); // refused until the walk has stopped, then done
        QVERIFY(form && form->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(form.isNull(), 60000);

        auto *doomed = new Mp3SearchWindow(playlist);
        startSearch(*doomed);
        delete doomed; // stops the walk and waits for it
    }
};

TAVRO_QTEST_MAIN(Mp3WindowsTest)
#include "Mp3Windows_test.moc"
