#include <QApplication>
#include <QComboBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "ChameleonButton.h"
#include "CliRun.h"
#include "DirListBox.h"
#include "DirTree.h"
#include "FakeMediaComponent.h"
#include "FileListBox.h"
#include "FolderPickerDialog.h"
#include "Mp3FileRecord.h"
#include "PlayerWindow.h"
#include "ScriptedMessageBox.h"
#include "TagEditorWindow.h"
#include "TestMedia.h"

// The tags editor's ID3 page on real files: what a click on a file shows, the year and genre
// choices, writing the six fields (read back through tavro-cli info); the folder window; opening
// from the main window and coming back. The renamer page has its own test.
class TagEditorWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QString m_tone;

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    template <typename T> static T *child(const QWidget &form, const QString &name)
    {
        T *widget = form.findChild<T *>(name);
        if (!widget)
            qFatal("no %s", qPrintable(name));
        return widget;
    }
    static QLineEdit *box(const QWidget &form, int index)
    {
        return child<QLineEdit>(form, QStringLiteral("txt1_%1").arg(index));
    }
    static QComboBox *choices(const QWidget &form, int index)
    {
        return child<QComboBox>(form, QStringLiteral("cmb_%1").arg(index));
    }
    static QStringList boxes(const QWidget &form)
    {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << box(form, i)->text();
        return texts;
    }
    static void click(const QWidget &form, const QString &button)
    {
        QTest::mouseClick(child<ChameleonButton>(form, button), Qt::LeftButton);
    }
    // Opens the test folder in the ID3 page and clicks the file `name` in its file list.
    void clickFile(const QWidget &form, const QString &name) const
    {
        child<DirListBox>(form, QStringLiteral("Dir1"))->setPath(m_dir.path());
        auto *files = child<FileListBox>(form, QStringLiteral("FileList_0"));
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        files->scrollToItem(found.first());
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(found.first()).center());
    }
    void tagged(const char *name, const QStringList &fields) const
    {
        QVERIFY(QFile::copy(m_tone, path(name)));
        Mp3FileRecord record;
        record.setFullName(path(name));
        record.ReadMP3Info();
        QVERIFY(record.setTitle(fields.at(0)) && record.setArtist(fields.at(1)) &&
                record.setAlbum(fields.at(2)) && record.setYear(fields.at(3)) &&
                record.setComment(fields.at(4)) && record.setGenre(fields.at(5)));
    }
    // Picks `folder` in the folder tree: down from its volume, one level at a time, then a click.
    static void pickInTree(DirTree *dirTree, const QString &folder)
    {
        QTreeWidget *tree = dirTree->tree();
        QTreeWidgetItem *node = nullptr;
        QString mountPoint;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QString point = tree->topLevelItem(i)->data(0, Qt::UserRole).toString();
            const bool holds =
                point == QLatin1String("/") || folder.startsWith(point + QLatin1Char('/'));
            if (holds && point.size() >= mountPoint.size()) {
                node = tree->topLevelItem(i);
                mountPoint = point;
            }
        }
        QVERIFY(node);
        for (const QString &part :
             folder.mid(mountPoint.size()).split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            tree->expandItem(node);
            QTreeWidgetItem *next = nullptr;
            for (int i = 0; i < node->childCount() && !next; ++i)
                if (node->child(i)->text(0) == part)
                    next = node->child(i);
            QVERIFY2(next, qPrintable(part));
            node = next;
        }
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
    }
    static FolderPickerDialog *folderWindow(const QWidget &editor)
    {
        return editor.findChild<FolderPickerDialog *>();
    }

private slots:
    void initTestCase()
    {
        m_tone = path("tone.source");
        QVERIFY(TestMedia::makeMp3(m_tone, 2, {QStringLiteral("-b"), QStringLiteral("128")}));
        QVERIFY(QFile::copy(m_tone, path("plain.mp3")));
        tagged("rock.mp3", {"Stone", "Band", "Hits", "1999", "loud", "Rock"});
        tagged("odd.MP3", {"Odd", "", "", "1949", "", "Unknown"}); // genre 255
    }

    void loadsWithItsTextsListsAndNoCloseBox()
    {
        TagEditorWindow form;
        QCOMPARE(form.windowTitle(), QStringLiteral("TAVRO MP3 Tags Editor"));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
        auto *tabs = child<QTabWidget>(form, QStringLiteral("SSTab1"));
        QCOMPARE(tabs->tabText(0), QStringLiteral("ID3"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("RENAMER"));
        QCOMPARE(choices(form, 0)->count(), 62); // 1950 to 2010 and an empty entry
        QCOMPARE(choices(form, 1)->count(), 148);
        clickFile(form, QStringLiteral("plain.mp3"));
        QCOMPARE(child<FileListBox>(form, QStringLiteral("FileList_0"))->count(),
                 3); // not tone.source
        QCOMPARE(child<QLineEdit>(form, QStringLiteral("txtPath_0"))->text(),
                 m_dir.path() + QLatin1Char('/'));
    }

    void clickShowsTagChoicesAndHeaderLines()
    {
        TagEditorWindow form;
        clickFile(form, QStringLiteral("rock.mp3"));
        QCOMPARE(boxes(form), (QStringList{"Stone", "Band", "Hits", "1999", "loud", "Rock"}));
        QCOMPARE(choices(form, 1)->currentText(), QStringLiteral("Rock"));
        QCOMPARE(choices(form, 0)->currentText(), QStringLiteral("1999"));
        QStringList lines;
        for (int i = 0; i < 9; ++i)
            lines << child<QLabel>(form, QStringLiteral("lbl1_%1").arg(i))->text();
        const double seconds =
            std::floor((QFileInfo(path("rock.mp3")).size() * 8.0 / 128000 + 0.05) * 100) / 100;
        QCOMPARE(lines,
                 (QStringList{"Version: 1.0", "Layer: 3", "Bit Rate : 128  Kb/s",
                              "Sample Rate: 44100  Hz", "Channel Mode: Joint Stereo",
                              "Copyright: NO", "Original: YES",
                              "Play Time: " + QString::number(seconds), "Valid Header: YES"}));

        // Genre 255 reads "Unknown", which no entry holds; neither does the year 1949.
        clickFile(form, QStringLiteral("odd.MP3"));
        QCOMPARE(box(form, 5)->text(), QStringLiteral("Unknown"));
        QCOMPARE(choices(form, 1)->currentText(), QStringLiteral("Unknown"));
        QCOMPARE(choices(form, 0)->currentText(), QStringLiteral("Unknown"));

        // No tag: empty boxes, the choices stay as they were.
        clickFile(form, QStringLiteral("plain.mp3"));
        QCOMPARE(boxes(form), QStringList(6, QString()));
        QCOMPARE(choices(form, 1)->currentText(), QStringLiteral("Unknown"));
        QCOMPARE(child<QLabel>(form, QStringLiteral("lbl1_8"))->text(),
                 QStringLiteral("Valid Header: YES"));

        // Back to a known genre and year: the choices show them again.
        clickFile(form, QStringLiteral("rock.mp3"));
        QCOMPARE(choices(form, 1)->currentText(), QStringLiteral("Rock"));
        QCOMPARE(choices(form, 0)->currentText(), QStringLiteral("1999"));
    }

    void choosingCopiesIntoTheBox()
    {
        TagEditorWindow form;
        form.show();
        clickFile(form, QStringLiteral("rock.mp3"));
        for (int index : {0, 1}) {
            QComboBox *list = choices(form, index);
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down);
            QCOMPARE(box(form, index == 0 ? 3 : 5)->text(),
                     index == 0 ? QStringLiteral("2000") : QStringLiteral("Techno"));
        }
    }

    void updateAndChangeId3WriteAllSixFields()
    {
        ScriptedMessageBox messages;
        QVERIFY(QFile::copy(m_tone, path("edit.mp3")));
        TagEditorWindow form;
        clickFile(form, QStringLiteral("edit.mp3"));
        const QStringList fields = {"So What", "Miles", "Kind of Blue", "1959", "take 1", "Trance"};
        for (int i = 0; i < 6; ++i)
            box(form, i)->setText(fields.at(i));
        click(form, QStringLiteral("cmdUpdate"));
        const CliRun info =
            CliRun::run({QStringLiteral("info"), QStringLiteral("--json"), path("edit.mp3")});
        QCOMPARE(info.exitCode, 0);
        const QJsonObject record =
            QJsonDocument::fromJson(info.out).object().value(QStringLiteral("clsMP3")).toObject();
        QStringList back;
        for (const char *key : {"title", "artist", "album", "Year", "Comment", "Genre"})
            back << record.value(QLatin1String(key)).toString();
        QCOMPARE(back, fields);
        QCOMPARE(quint8(TestMedia::readFile(path("edit.mp3")).back()), quint8(31));
        QCOMPARE(QFileInfo(path("edit.mp3")).size(), QFileInfo(m_tone).size() + 128);

        box(form, 0)->setText(QStringLiteral("Freddie Freeloader"));
        click(form, QStringLiteral("cmd_1"));
        QCOMPARE(QFileInfo(path("edit.mp3")).size(), QFileInfo(m_tone).size() + 128);
        clickFile(form, QStringLiteral("edit.mp3"));
        QCOMPARE(box(form, 0)->text(), QStringLiteral("Freddie Freeloader"));
        QVERIFY(messages.shown.isEmpty());

        // The file shown has gone: nothing is written, and the editor says so.
        QVERIFY(QFile::remove(path("edit.mp3")));
        click(form, QStringLiteral("cmdUpdate"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().prompt,
                 "The tag could not be written to " + path("edit.mp3"));
        QVERIFY(!QFile::exists(path("edit.mp3")));
    }

    void updateWithoutAFileSaysSo()
    {
        ScriptedMessageBox messages;
        TagEditorWindow form;
        click(form, QStringLiteral("cmdUpdate"));
        QCOMPARE(messages.shown.size(), 1);
        QCOMPARE(messages.shown.first().prompt, QStringLiteral("Sorry, no file selected!"));
        QCOMPARE(messages.shown.first().buttons, MessageBox::OkOnly);
    }

    void changeDirectoryPicksAFolderForItsOwnPage()
    {
        TagEditorWindow form;
        form.show();
        auto *renamerPath = child<QLineEdit>(form, QStringLiteral("txtPath_2"));
        auto *id3Path = child<QLineEdit>(form, QStringLiteral("txtPath_0"));
        const QString id3Before = id3Path->text();

        click(form, QStringLiteral("cmd_2"));
        QPointer<FolderPickerDialog> folders = folderWindow(form);
        QVERIFY(folders && folders->isVisible() && folders->isModal());
        QCOMPARE(folders->x(), form.frameGeometry().right() + 1);
        pickInTree(child<DirTree>(*folders, QStringLiteral("DirTree1")), m_dir.path());
        QTRY_VERIFY(folders.isNull());
        QCOMPARE(renamerPath->text(), m_dir.path() + QLatin1Char('/'));
        QCOMPARE(child<FileListBox>(form, QStringLiteral("FileList_1"))
                     ->findItems(QStringLiteral("odd.MP3"), Qt::MatchExactly)
                     .size(),
                 1);
        QCOMPARE(id3Path->text(), id3Before);

        click(form, QStringLiteral("cmd_0"));
        folders = folderWindow(form);
        QVERIFY(folders);
        click(*folders, QStringLiteral("cmdCancel"));
        QTRY_VERIFY(folders.isNull());
        QCOMPARE(id3Path->text(), id3Before);

        click(form, QStringLiteral("cmd_0"));
        folders = folderWindow(form);
        pickInTree(child<DirTree>(*folders, QStringLiteral("DirTree1")), m_dir.path());
        QCOMPARE(id3Path->text(), m_dir.path() + QLatin1Char('/'));
        QCOMPARE(child<DirListBox>(form, QStringLiteral("Dir1"))->Path(), m_dir.path());
        QCOMPARE(child<FileListBox>(form, QStringLiteral("FileList_0"))->Path(), m_dir.path());
    }

    void editTagsButtonShowsTheEditorWhichCloseOnlyHides()
    {
        FakeMediaComponent media;
        PlayerWindow main(media);
        main.show();
        QTest::mouseClick(main.button(14), Qt::LeftButton);
        QVERIFY(!main.isVisible());
        QPointer<TagEditorWindow> editor = main.findChild<TagEditorWindow *>();
        QVERIFY(editor && editor->isVisible());
        clickFile(*editor, QStringLiteral("rock.mp3"));

        click(*editor, QStringLiteral("cmdClose"));
        QVERIFY(main.isVisible());
        QVERIFY(editor && !editor->isVisible());

        // The same editor comes back as it was left.
        QTest::mouseClick(main.button(14), Qt::LeftButton);
        QCOMPARE(main.findChildren<TagEditorWindow *>().size(), 1);
        QVERIFY(editor->isVisible() && !main.isVisible());
        QCOMPARE(box(*editor, 0)->text(), QStringLiteral("Stone"));
    }
};

QTEST_MAIN(TagEditorWindowTest)
#include "TagEditorWindow_test.moc"
