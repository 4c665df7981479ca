#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>

#include "ChameleonButton.h"
#include "DirListBox.h"
#include "DirTree.h"
#include "FileListBox.h"
#include "FolderPickerDialog.h"
#include "Mp3Bytes.h"
#include "RenamerPage.h"
#include "ScriptedMessageBox.h"
#include "TagEditorWindow.h"
#include "TestMedia.h"
#include "WidgetLookup.h"

// Wiring of the tags editor: what a click on a file shows on the ID3 page (TagSheet_test has the
// texts), the choices, the writes, the folder window, and Close, which only hides the editor and
// stops a rename run. The renamer page has its own test.
class TagEditorWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    const QByteArray m_audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300);

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    static QLineEdit *box(const QWidget &form, int index)
    {
        return child<QLineEdit>(form, QStringLiteral("txt1_%1").arg(index));
    }
    static QString choice(const QWidget &form, int index)
    {
        return child<QComboBox>(form, QStringLiteral("cmb_%1").arg(index))->currentText();
    }
    static QStringList boxes(const QWidget &form)
    {
        QStringList texts;
        for (int i = 0; i < 6; ++i)
            texts << box(form, i)->text();
        return texts;
    }
    static void click(const QWidget &form, const char *button)
    {
        QTest::mouseClick(child<ChameleonButton>(form, QLatin1String(button)), Qt::LeftButton);
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
    void write(const char *name, const QByteArray &tag) const
    {
        Mp3Bytes::write(path(name), m_audio + tag);
    }
    // Picks `folder` in the folder tree: down from its volume, one level at a time, then a click.
    static void pickInTree(const QWidget &folders, const QString &folder)
    {
        QTreeWidget *tree = child<DirTree>(folders, QStringLiteral("DirTree1"))->tree();
        QTreeWidgetItem *node = nullptr;
        QString mountPoint;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const QString point = tree->topLevelItem(i)->data(0, Qt::UserRole).toString();
            if ((point == QLatin1String("/") || folder.startsWith(point + QLatin1Char('/'))) &&
                point.size() >= mountPoint.size()) {
                node = tree->topLevelItem(i);
                mountPoint = point;
            }
        }
        for (const QString &part : folder.mid(mountPoint.size()).split('/', Qt::SkipEmptyParts)) {
            tree->expandItem(node);
            QTreeWidgetItem *next = nullptr;
            for (int i = 0; i < node->childCount() && !next; ++i)
                next = node->child(i)->text(0) == part ? node->child(i) : nullptr;
            QVERIFY2(next, qPrintable(part));
            node = next;
        }
        tree->scrollToItem(node);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(node).center());
    }

private slots:
    void initTestCase()
    {
        write("plain.mp3", {});
        write("rock.mp3", Mp3Bytes::tag("Stone", "Band", 17, ' ', "1999", "Hits", "loud"));
        write("odd.MP3", Mp3Bytes::tag("Odd", "", 255, ' ', "1949"));
        QVERIFY(TestMedia::writeFile(path("notes.txt"), "not music"));
    }

    void aClickShowsTheFileEvenWhenItIsShownAlready()
    {
        TagEditorWindow form;
        clickFile(form, QStringLiteral("rock.mp3"));
        QCOMPARE(child<FileListBox>(form, QStringLiteral("FileList_0"))->count(), 3);
        QCOMPARE(child<QLineEdit>(form, QStringLiteral("txtPath_0"))->text(), m_dir.path() + '/');
        QCOMPARE(boxes(form), (QStringList{"Stone", "Band", "Hits", "1999", "loud", "Rock"}));
        QCOMPARE(choice(form, 0) + '|' + choice(form, 1), QStringLiteral("1999|Rock"));
        QStringList lines;
        for (int i = 0; i < 9; ++i)
            lines << child<QLabel>(form, QStringLiteral("lbl1_%1").arg(i))->text();
        QCOMPARE(lines, (QStringList{"Version: 1.0", "Layer: 3", "Bit Rate : 128  Kb/s",
                                     "Sample Rate: 44100  Hz", "Channel Mode: Joint Stereo",
                                     "Copyright: NO", "Original: YES", "Play Time: 7.87",
                                     "Valid Header: YES"}));
        // Neither genre 255 ("Unknown") nor the year 1949 is an entry of its list.
        clickFile(form, QStringLiteral("odd.MP3"));
        QCOMPARE(choice(form, 0) + '|' + choice(form, 1), QStringLiteral("Unknown|Unknown"));
        // No tag: empty boxes, the choices stay as they were.
        clickFile(form, QStringLiteral("plain.mp3"));
        QCOMPARE(boxes(form), QStringList(6, QString()));
        QCOMPARE(choice(form, 0) + '|' + choice(form, 1), QStringLiteral("Unknown|Unknown"));

        // Changed on disk since it was shown: a click on it shows the change.
        write("plain.mp3", Mp3Bytes::tag("New", "", 17));
        clickFile(form, QStringLiteral("plain.mp3"));
        QCOMPARE(box(form, 0)->text(), QStringLiteral("New"));
        write("plain.mp3", {});
    }

    void choosingCopiesIntoTheBox()
    {
        TagEditorWindow form;
        form.show();
        clickFile(form, QStringLiteral("rock.mp3"));
        for (const auto &[list, field, text] : {std::tuple{0, 3, "2000"}, {1, 5, "Techno"}}) {
            auto *choices = child<QComboBox>(form, QStringLiteral("cmb_%1").arg(list));
            choices->setFocus();
            QTest::keyClick(choices, Qt::Key_Down);
            QCOMPARE(box(form, field)->text(), QLatin1String(text));
        }
    }

    void updateAndChangeId3WriteAllSixFields()
    {
        ScriptedMessageBox messages;
        TagEditorWindow form;
        click(form, "cmdUpdate");
        write("edit.mp3", {});
        clickFile(form, QStringLiteral("edit.mp3"));
        const QStringList fields = {"So What", "Miles", "Kind of Blue", "1959", "take 1", "Trance"};
        for (int i = 0; i < 6; ++i)
            box(form, i)->setText(fields.at(i));
        click(form, "cmdUpdate");
        QCOMPARE(TestMedia::readFile(path("edit.mp3")),
                 m_audio +
                     Mp3Bytes::tag("So What", "Miles", 31, ' ', "1959", "Kind of Blue", "take 1"));
        box(form, 0)->setText(QStringLiteral("Freddie"));
        click(form, "cmd_1");
        QCOMPARE(TestMedia::readFile(path("edit.mp3")).right(128).mid(3, 7), "Freddie");
        QCOMPARE(QFileInfo(path("edit.mp3")).size(), m_audio.size() + 128);

        // The file shown has gone: nothing is written, and the editor says so.
        QVERIFY(QFile::remove(path("edit.mp3")));
        click(form, "cmdUpdate");
        QVERIFY(!QFile::exists(path("edit.mp3")));
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].prompt, QStringLiteral("Sorry, no file selected!"));
        QCOMPARE(messages.shown[1].prompt, "The tag could not be written to " + path("edit.mp3"));
        QCOMPARE(messages.shown[1].buttons, MessageBox::OkOnly);
    }

    void changeDirectoryPicksAFolderForItsOwnPage()
    {
        TagEditorWindow form;
        form.show();
        auto *id3Path = child<QLineEdit>(form, QStringLiteral("txtPath_0"));
        const QString id3Before = id3Path->text();
        click(form, "cmd_2");
        QPointer<FolderPickerDialog> folders = form.findChild<FolderPickerDialog *>();
        QVERIFY(folders && folders->isVisible() && folders->isModal());
        QCOMPARE(folders->x(), form.frameGeometry().right() + 1);
        pickInTree(*folders, m_dir.path());
        QTRY_VERIFY(folders.isNull());
        QCOMPARE(child<QLineEdit>(form, QStringLiteral("txtPath_2"))->text(), m_dir.path() + '/');
        QCOMPARE(child<FileListBox>(form, QStringLiteral("FileList_1"))->count(), 3);
        QCOMPARE(id3Path->text(), id3Before);

        click(form, "cmd_0");
        folders = form.findChild<FolderPickerDialog *>();
        click(*folders, "cmdCancel");
        QTRY_VERIFY(folders.isNull());
        QCOMPARE(id3Path->text(), id3Before);
        click(form, "cmd_0");
        pickInTree(*form.findChild<FolderPickerDialog *>(), m_dir.path());
        QCOMPARE(id3Path->text(), m_dir.path() + '/');
        QCOMPARE(child<FileListBox>(form, QStringLiteral("FileList_0"))->Path(), m_dir.path());
    }

    void closeOnlyHidesTheEditorAndStopsARename()
    {
        QTemporaryDir many;
        for (int i = 0; i < 200; ++i)
            Mp3Bytes::write(many.filePath(QStringLiteral("%1.mp3").arg(i)),
                            m_audio + Mp3Bytes::tag(QByteArray::number(i) + "x", "B", 17));
        QWidget main;
        main.show();
        TagEditorWindow::showFor(&main);
        auto *editor = main.findChild<TagEditorWindow *>();
        QVERIFY(editor && editor->isVisible() && !main.isVisible());
        clickFile(*editor, QStringLiteral("rock.mp3"));
        editor->findChild<RenamerPage *>()->setFolder(many.path());
        QTest::mouseClick(child<QAbstractButton>(*editor, QStringLiteral("optArrange_4")),
                          Qt::LeftButton);
        click(*editor, "cmd_4");
        click(*editor, "cmdClose");
        QVERIFY(main.isVisible() && !editor->isVisible());
        auto *renameAll = child<ChameleonButton>(*editor, QStringLiteral("cmd_4"));
        QTRY_VERIFY_WITH_TIMEOUT(renameAll->isEnabled(), 30000);
        const int renamed = QDir(many.path()).entryList({QStringLiteral("*x-B.mp3")}).size();
        QCOMPARE(child<QListWidget>(*editor, QStringLiteral("lv"))->count(), renamed);

        // The same editor comes back as it was left.
        TagEditorWindow::showFor(&main);
        QCOMPARE(main.findChildren<TagEditorWindow *>().size(), 1);
        QVERIFY(editor->isVisible() && !main.isVisible());
        QCOMPARE(box(*editor, 0)->text(), QStringLiteral("Stone"));
        click(*editor, "cmd_4"); // and goes with the main window, mid-run or not
    }
};

QTEST_MAIN(TagEditorWindowTest)
#include "TagEditorWindow_test.moc"
