#include <QLabel>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "ChameleonButton.h"
#include "DirListBox.h"
#include "DriveListBox.h"
#include "FakeMediaComponent.h"
#include "FileListBox.h"
#include "Mp3SearchWindow.h"
#include "PlayerWindow.h"
#include "Playlist.h"
#include "TestMedia.h"

// The tree searched: two files at the top, one in each of two subfolders, a WAV file and a
// hidden folder that are not listed.
class Mp3SearchWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_root;
    QString m_tone;

    QString path(const QString &relative) const { return m_root.filePath(relative); }
    void mp3(const QString &relative) const
    {
        QDir(m_root.path()).mkpath(QFileInfo(relative).path());
        QVERIFY(QFile::copy(m_tone, path(relative)));
    }
    template <typename T> static T *child(QWidget &form, const char *name)
    {
        T *widget = form.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no %s", name);
        return widget;
    }
    static QString label(QWidget &form, const char *name)
    {
        return child<QLabel>(form, name)->text();
    }
    // Points the folder list at the tree and presses Search.
    void search(Mp3SearchWindow &form) const
    {
        child<DirListBox>(form, "Dir1")->setPath(m_root.path());
        QTest::mouseClick(child<ChameleonButton>(form, "chameleonButton1"), Qt::LeftButton);
    }
    static QStringList row(QTreeWidget *view, int index)
    {
        QStringList texts;
        for (int column = 0; column < view->columnCount(); ++column)
            texts << view->topLevelItem(index)->text(column);
        return texts;
    }

private slots:
    void initTestCase()
    {
        m_tone = path(QStringLiteral("tone.source"));
        QVERIFY(TestMedia::makeMp3(m_tone, 2, {QStringLiteral("-b"), QStringLiteral("128")}));
        mp3(QStringLiteral("Top.mp3"));
        mp3(QStringLiteral("b.MP3"));
        mp3(QStringLiteral("one/1.mp3"));
        mp3(QStringLiteral("two/deep/2.mp3"));
        mp3(QStringLiteral(".cache/hidden.mp3"));
        TestMedia::writeFile(path(QStringLiteral("voice.wav")), "RIFF");
    }

    void loadsWithItsTextsAndFolderLists()
    {
        Playlist playlist;
        Mp3SearchWindow form(playlist);
        QCOMPARE(form.windowTitle(), QStringLiteral("TAVRO MP3 SEARCHER"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        QCOMPARE(label(form, "Label1"), QStringLiteral("Process Status :"));
        QCOMPARE(label(form, "Label2"), QStringLiteral(" Not Started!"));
        QCOMPARE(label(form, "Label3"), QStringLiteral("Directories Found :"));
        QCOMPARE(label(form, "Label5"), QStringLiteral("Files Found :"));
        auto *searchButton = child<ChameleonButton>(form, "chameleonButton1");
        auto *closeButton = child<ChameleonButton>(form, "chameleonButton2");
        QCOMPARE(searchButton->Caption(), QStringLiteral("Search"));
        QCOMPARE(searchButton->toolTip(), QStringLiteral("Start Searching Process !"));
        QCOMPARE(closeButton->Caption(), QStringLiteral("Close"));
        QCOMPARE(closeButton->toolTip(), QStringLiteral("Exit TAVRO MP3 SEARCHER"));
        auto *lv1 = child<QTreeWidget>(form, "lv1");
        QCOMPARE(lv1->headerItem()->text(0), QStringLiteral("File Name"));
        QCOMPARE(lv1->headerItem()->text(3), QStringLiteral("Duration"));
        // The folder list starts at the root of the selected drive; the file list follows it.
        auto *dir1 = child<DirListBox>(form, "Dir1");
        QCOMPARE(dir1->Path(), child<DriveListBox>(form, "Drive1")->Drive());
        dir1->setPath(m_root.path());
        auto *file1 = child<FileListBox>(form, "File1");
        QCOMPARE(file1->Path(), m_root.path());
        QCOMPARE(file1->count(), 4); // b.MP3, tone.source, Top.mp3, voice.wav
        QCOMPARE(file1->item(0)->text(), QStringLiteral("b.MP3"));
    }

    void searchListsLevelByLevelAndFillsThePlayList()
    {
        Playlist playlist;
        playlist.append(QStringLiteral("/music/old.mp3"));
        playlist.append(QStringLiteral("/music/older.mp3"));
        playlist.setSelectedIndex(1);
        Mp3SearchWindow form(playlist);
        form.show();
        auto *searchButton = child<ChameleonButton>(form, "chameleonButton1");
        auto *closeButton = child<ChameleonButton>(form, "chameleonButton2");
        bool ranWhileSearching = false;
        QTimer::singleShot(0, &form, [&] {
            ranWhileSearching =
                !searchButton->isEnabled() && !closeButton->isEnabled() &&
                label(form, "Label2") == QLatin1String(" Running ..... Please Wait!");
        });
        search(form);
        QVERIFY(ranWhileSearching); // events were processed during the walk

        auto *lv1 = child<QTreeWidget>(form, "lv1");
        QCOMPARE(lv1->topLevelItemCount(), 4);
        const QString size =
            QString::number(QFileInfo(m_tone).size() / 1048576.0, 'f', 2) + QStringLiteral(" MB");
        QCOMPARE(row(lv1, 0), (QStringList{"b.MP3", m_root.path(), size, "0:2"}));
        QCOMPARE(row(lv1, 1), (QStringList{"Top.mp3", m_root.path(), size, "0:2"}));
        QCOMPARE(row(lv1, 2), (QStringList{"1.mp3", path("one"), size, "0:2"}));
        QCOMPARE(row(lv1, 3), (QStringList{"2.mp3", path("two/deep"), size, "0:2"}));
        QCOMPARE(label(form, "Label4"), QStringLiteral("4")); // start, one, two, two/deep
        QCOMPARE(label(form, "Label6"), QStringLiteral("4"));
        QCOMPARE(label(form, "Label2"), QStringLiteral(" Completed!"));
        QCOMPARE(child<QLabel>(form, "Label2")->palette().color(QPalette::WindowText),
                 QColor(255, 0, 0));
        QVERIFY(searchButton->isEnabled() && closeButton->isEnabled());
        QCOMPARE(child<DirListBox>(form, "Dir1")->Path(),
                 child<DriveListBox>(form, "Drive1")->Drive());

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
    }

    void shortPlayListGetsNoSeparator()
    {
        Playlist playlist;
        playlist.append(QStringLiteral("/music/only.mp3"));
        Mp3SearchWindow form(playlist);
        search(form);
        QCOMPARE(playlist.count(), 5);
        QCOMPARE(playlist.names().at(1), QStringLiteral("b.MP3"));
    }

    void searchButtonOfTheMainWindowOpensItAndCloseBringsTheMainWindowBack()
    {
        FakeMediaComponent media;
        PlayerWindow main(media);
        main.show();
        QTest::mouseClick(main.button(22), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QPointer<Mp3SearchWindow> form;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *searcher = qobject_cast<Mp3SearchWindow *>(window))
                form = searcher;
        QVERIFY(form && form->isVisible());
        QTest::mouseClick(child<ChameleonButton>(*form, "chameleonButton2"), Qt::LeftButton);
        QTRY_VERIFY(form.isNull());
        QVERIFY(main.isVisible());
    }
};

QTEST_MAIN(Mp3SearchWindowTest)
#include "Mp3SearchWindow_test.moc"
