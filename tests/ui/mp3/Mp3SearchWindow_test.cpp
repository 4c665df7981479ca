#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "ChameleonButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FileListBox.h"
#include "Mp3SearchWindow.h"
#include "Playlist.h"
#include "TestMedia.h"
#include "WidgetLookup.h"

// Wiring of the searcher: the walk (Mp3Search_test) runs on a worker while the window shows its
// progress, lists the rows, fills the play list and keeps Search and Close off until it ends.
// The tree: two files at the top, one in each of two subfolders, a WAV file that is not listed.
class Mp3SearchWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_tone;

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    static QString label(const QWidget &form, const char *name)
    {
        return child<QLabel>(form, QLatin1String(name))->text();
    }
    static ChameleonButton *button(const QWidget &form, const char *name)
    {
        return child<ChameleonButton>(form, QLatin1String(name));
    }
    // Points the folder list at the tree and presses Search; the walk is then under way.
    void startSearch(QWidget &form) const
    {
        child<DirListBox>(form, QStringLiteral("Dir1"))->setPath(m_root.path());
        QTest::mouseClick(button(form, "chameleonButton1"), Qt::LeftButton);
        QVERIFY(!button(form, "chameleonButton1")->isEnabled());
        QVERIFY(!button(form, "chameleonButton2")->isEnabled());
        QCOMPARE(label(form, "Label2"), QStringLiteral(" Running ..... Please Wait!"));
    }
    void search(QWidget &form) const
    {
        startSearch(form);
        QTRY_COMPARE_WITH_TIMEOUT(label(form, "Label2"), QStringLiteral(" Completed!"), 60000);
    }

private slots:
    void initTestCase()
    {
        m_tone = path(QStringLiteral("tone.source"));
        QVERIFY(TestMedia::makeMp3(m_tone, 2, {QStringLiteral("-b"), QStringLiteral("128")}));
        QDir(m_root.path()).mkpath(QStringLiteral("one"));
        QDir(m_root.path()).mkpath(QStringLiteral("two/deep"));
        for (const char *name : {"Top.mp3", "b.MP3", "one/1.mp3", "two/deep/2.mp3"})
            QVERIFY(QFile::copy(m_tone, path(QLatin1String(name))));
        TestMedia::writeFile(path(QStringLiteral("voice.wav")), "RIFF");
    }

    void startsAtTheDrivesRootWithTheFileListFollowing()
    {
        Playlist playlist;
        Mp3SearchWindow form(playlist);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(label(form, "Label2"), QStringLiteral(" Not Started!"));
        auto *dir1 = child<DirListBox>(form, QStringLiteral("Dir1"));
        QCOMPARE(dir1->Path(), child<DriveListBox>(form, QStringLiteral("Drive1"))->Drive());
        dir1->setPath(m_root.path());
        QCOMPARE(child<FileListBox>(form, QStringLiteral("File1"))->count(), 4);
    }

    void searchListsTheRowsAndFillsThePlayList()
    {
        Playlist playlist;
        playlist.append(QStringLiteral("/music/old.mp3"));
        playlist.append(QStringLiteral("/music/older.mp3"));
        playlist.setSelectedIndex(1);
        Mp3SearchWindow form(playlist);
        search(form);
        auto *lv1 = child<QTreeWidget>(form, QStringLiteral("lv1"));
        const QString size =
            QString::number(QFileInfo(m_tone).size() / 1048576.0, 'f', 2) + QStringLiteral(" MB");
        const QList<QStringList> rows = {{"b.MP3", m_root.path(), size, "0:2"},
                                         {"Top.mp3", m_root.path(), size, "0:2"},
                                         {"1.mp3", path("one"), size, "0:2"},
                                         {"2.mp3", path("two/deep"), size, "0:2"}};
        QCOMPARE(lv1->topLevelItemCount(), rows.size());
        for (int row = 0; row < rows.size(); ++row)
            for (int column = 0; column < 4; ++column)
                QCOMPARE(lv1->topLevelItem(row)->text(column), rows[row][column]);
        QCOMPARE(label(form, "Label4"), QStringLiteral("4")); // start, one, two, two/deep
        QCOMPARE(label(form, "Label6"), QStringLiteral("4"));
        QCOMPARE(
            child<QLabel>(form, QStringLiteral("Label2"))->palette().color(QPalette::WindowText),
            QColor(255, 0, 0));
        QVERIFY(button(form, "chameleonButton1")->isEnabled());
        QVERIFY(button(form, "chameleonButton2")->isEnabled());
        QCOMPARE(child<DirListBox>(form, QStringLiteral("Dir1"))->Path(),
                 child<DriveListBox>(form, QStringLiteral("Drive1"))->Drive());

        // One separator, then each file by its path and its name with the extension: the lists
        // stay index for index, and the selection stays.
        QCOMPARE(playlist.names(), (QStringList{"old", "older", " NEXT DIRECTORY", "b.MP3",
                                                "Top.mp3", "1.mp3", "2.mp3"}));
        QCOMPARE(playlist.paths(),
                 (QStringList{"/music/old.mp3", "/music/older.mp3", "", path("b.MP3"),
                              path("Top.mp3"), path("one/1.mp3"), path("two/deep/2.mp3")}));
        QCOMPARE(playlist.selectedIndex(), 1);

        search(form); // a second search starts afresh in the window and marks its results again
        QCOMPARE(lv1->topLevelItemCount(), 4);
        QCOMPARE(playlist.count(), 12);
        QCOMPARE(playlist.name(7), QStringLiteral(" NEXT DIRECTORY"));

        Playlist shortList; // fewer than two entries: no separator
        shortList.append(QStringLiteral("/music/only.mp3"));
        Mp3SearchWindow other(shortList);
        search(other);
        QCOMPARE(shortList.names().mid(0, 2), (QStringList{"only", "b.MP3"}));
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
        QVERIFY(playlist.count() <= 4);

        auto *doomed = new Mp3SearchWindow(playlist);
        startSearch(*doomed);
        delete doomed; // stops the walk and waits for it
    }
};

QTEST_MAIN(Mp3SearchWindowTest)
#include "Mp3SearchWindow_test.moc"
