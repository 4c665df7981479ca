#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>
#include <QtTest>

#include "ControlActions.h"
#include "DirListBox.h"
#include "DirTree.h"
#include "FileListBox.h"
#include "FolderPickerDialog.h"
#include "Mp3Bytes.h"
#include "RenamerPage.h"
#include "ScriptedMessageBox.h"
#include "TagEditorWindow.h"
#include "TestMedia.h"
#include "WindowTestMain.h"

// Wiring of the tags editor. ID3 page: what a click on a file shows (the texts:
// Mp3FileRecord_test), the choices, the writes. RENAMER page: the choices make the pattern, the run
// (TagRenamer_test) goes on a worker with the RENAME buttons off, each result shows as it arrives
// (notices in message boxes, then the log line), the file list is read again at the end; PREVIEW
// and UNDO LAST RENAME (the journal: TagRenamer_test). The folder window, and Close, which only
// hides the editor and stops a rename run.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300); // 7.82 s

// Answers like a modal box, whose own event loop runs while the user reads it.
class ModalBox : public ScriptedMessageBox {
public:
    const QListWidget *log = nullptr;
    QList<int> logged; // log lines when each box opened
    Answer show(const QString &prompt, Buttons buttons, const QString &title) override
    {
        logged << log->count();
        QTest::qWait(100);
        return ScriptedMessageBox::show(prompt, buttons, title);
    }
};

bool enabled(const QObject &form, const char *button)
{
    return child<QWidget>(form, button)->isEnabled();
}
// The texts of the widgets `name`0 to `name`<count-1>, or the rows of the list `name`.
QStringList texts(const QObject &form, const QString &name, int count = 0)
{
    if (!count)
        return rows(child<QListWidget>(form, name));
    QStringList texts;
    for (int i = 0; i < count; ++i) {
        const auto *widget = child<QWidget>(form, name + QString::number(i));
        const bool choices = qobject_cast<const QComboBox *>(widget);
        texts << widget->property(choices ? "currentText" : "text").toString();
    }
    return texts;
}
// Presses a button that starts a run; the buttons that start one stay off until it has ended.
void rename(const QObject &form, const char *button)
{
    click(form, button);
    QVERIFY(!enabled(form, "cmd_3") && !enabled(form, "cmd_4") && !enabled(form, "cmdUndo"));
    QTRY_VERIFY_WITH_TIMEOUT(enabled(form, "cmdUndo"), 30000);
}
// Opens the folder window with `button` and picks the root folder in its tree.
void pickRoot(const QWidget &form, const char *button)
{
    click(form, button);
    QPointer<FolderPickerDialog> folders = form.findChild<FolderPickerDialog *>();
    QVERIFY(folders && folders->isVisible() && folders->isModal());
    QCOMPARE(folders->x(), form.frameGeometry().right() + 1);
    QTreeWidget *tree = child<DirTree>(*folders, "DirTree1")->tree();
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        if (tree->topLevelItem(i)->data(0, Qt::UserRole).toString() == QLatin1String("/"))
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(tree->topLevelItem(i)).center());
    QTRY_VERIFY(folders.isNull());
}
} // namespace

class TagEditorWindowTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;
    QTemporaryDir m_data; // the renamer's journal

    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString write(const QString &name, const QByteArray &tag) const
    {
        return Mp3Bytes::write(path(name), audio + tag);
    }
    // Opens the test folder in the ID3 page and clicks the file `name` in its file list.
    void clickFile(const QWidget &form, const QString &name) const
    {
        child<DirListBox>(form, "Dir1")->setPath(m_dir.path());
        auto *files = child<FileListBox>(form, "FileList_0");
        const QList<QListWidgetItem *> found = files->findItems(name, Qt::MatchExactly);
        QVERIFY2(found.size() == 1, qPrintable(name));
        QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                          files->visualItemRect(found.first()).center());
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        write("plain.mp3", {});
        write("rock.mp3", Mp3Bytes::tag("Stone", "Band", 17, ' ', "1999", "Hits", "loud"));
        QVERIFY(TestMedia::writeFile(path("notes.txt"), "not music"));
    }

    void aClickShowsTheFileEvenWhenItIsShownAlready()
    {
        TagEditorWindow form;
        form.show();
        clickFile(form, "rock.mp3");
        QCOMPARE(texts(form, "FileList_0"), (QStringList{"plain.mp3", "rock.mp3"}));
        QCOMPARE(texts(form, "txtPath_", 1), QStringList{m_dir.path() + '/'});
        QCOMPARE(texts(form, "txt1_", 6),
                 (QStringList{"Stone", "Band", "Hits", "1999", "loud", "Rock"}));
        QCOMPARE(texts(form, "lbl1_", 9).mid(7),
                 (QStringList{"Play Time: 7.87", "Valid Header: YES"}));
        QCOMPARE(texts(form, "cmb_", 2), (QStringList{"1999", "Rock"}));
        // A choice is copied into its box.
        for (const auto &[list, box, text] :
             {std::tuple{"cmb_0", "txt1_3", "2000"}, {"cmb_1", "txt1_5", "Techno"}}) {
            child<QWidget>(form, list)->setFocus();
            QTest::keyClick(child<QWidget>(form, list), Qt::Key_Down);
            QCOMPARE(child<QLineEdit>(form, box)->text(), text);
        }
        // No tag: empty boxes, the choices stay as they were.
        clickFile(form, "plain.mp3");
        QCOMPARE(texts(form, "txt1_", 6) + texts(form, "cmb_", 2),
                 (QStringList(6, QString()) + QStringList{"2000", "Techno"}));

        write("plain.mp3", Mp3Bytes::tag("New", "", 17)); // changed on disk since it was shown
        clickFile(form, "plain.mp3");
        QCOMPARE(texts(form, "txt1_", 1), QStringList{"New"});
        write("plain.mp3", {});
    }

    void updateAndChangeId3WriteTheBoxes()
    {
        ScriptedMessageBox messages;
        TagEditorWindow form;
        click(form, "cmdUpdate");
        write("edit.mp3", {});
        clickFile(form, "edit.mp3");
        for (int i = 0; i < 6; ++i)
            child<QLineEdit>(form, "txt1_" + QString::number(i))->setText(QString::number(i));
        click(form, "cmdUpdate");
        QCOMPARE(TestMedia::readFile(path("edit.mp3")),
                 audio + Mp3Bytes::tag("0", "1", 5, ' ', "3", "2", "4"));
        child<QLineEdit>(form, "txt1_0")->setText("Freddie");
        click(form, "cmd_1");
        QCOMPARE(TestMedia::readFile(path("edit.mp3")).right(128).mid(3, 7), "Freddie");
        // The file shown has gone: nothing is written, and the editor says so.
        QVERIFY(QFile::remove(path("edit.mp3")));
        click(form, "cmdUpdate");
        QVERIFY(!QFile::exists(path("edit.mp3")));
        QCOMPARE(messages.shown.size(), 2);
        QCOMPARE(messages.shown[0].prompt, "Sorry, no file selected!");
        QCOMPARE(messages.shown[1].prompt, "The tag could not be written to " + path("edit.mp3"));
    }

    void renamesShowEachResultInOrderAndOverwriteNothing()
    {
        QTemporaryDir dir;
        const auto file = [&](const char *name) { return dir.filePath(name); };
        Mp3Bytes::write(file("0.mp3"), audio + Mp3Bytes::tag("Tune", "", 17)); // a trailing dash
        Mp3Bytes::write(file("a.mp3"), audio + Mp3Bytes::tag("Song", "Band", 17));
        const QByteArray b = Mp3Bytes::tag("Song", "Band", 17); // the same name: a clash
        Mp3Bytes::write(file("b.MP3"), audio + b);
        RenamerPage page;
        page.setFolder(dir.path());
        QCOMPARE(texts(page, "FileList_1"), (QStringList{"0.mp3", "a.mp3", "b.MP3"}));
        QVERIFY(!enabled(page, "cmd_3") && !enabled(page, "cmd_4"));
        ModalBox messages;
        messages.log = child<QListWidget>(page, "lv");
        click(page, "optArrange_4"); // Title, Artist; Dash
        rename(page, "cmd_4");
        QCOMPARE(
            texts(page, "lv"),
            (QStringList{file("0.mp3") + " renamed to " + file("Tune.mp3"),
                         file("a.mp3") + " renamed to " + file("Song-Band.mp3"),
                         file("b.MP3") + " not renamed, " + file("Song-Band.mp3") + " exists"}));
        QCOMPARE(messages.log->item(0)->foreground(), QBrush());
        QCOMPARE(messages.log->item(2)->foreground().color(), QColor(160, 0, 0));
        QCOMPARE(messages.logged, (QList<int>{0, 0})); // both before the first log line
        QCOMPARE(texts(page, "FileList_1"), (QStringList{"b.MP3", "Song-Band.mp3", "Tune.mp3"}));
        QCOMPARE(TestMedia::readFile(file("b.MP3")), audio + b);

        click(page, "optArrange_5");   // Artist, Title
        click(page, "optSeparator_2"); // Underscore
        click(page, "chkTime");
        child<FileListBox>(page, "FileList_1")->setCurrentRow(0);
        rename(page, "cmd_3");
        QCOMPARE(texts(page, "FileList_1"),
                 (QStringList{"Band_Song (0.08).mp3", "Song-Band.mp3", "Tune.mp3"}));
        click(page, "cmd_3"); // the list read again has nothing selected
        const QTemporaryDir empty;
        page.setFolder(empty.path());
        click(page, "cmd_4");
        QCOMPARE(texts(page, "lv").size(), 4);
        QStringList shown; // every box OK-only, with the application's name as its title
        for (const auto &box : messages.shown)
            shown << box.prompt +
                         (box.buttons == MessageBox::OkOnly && box.title == qAppName() ? "" : "?");
        QCOMPARE(shown, (QStringList{"Tune-", "Tune", "Sorry, no file selected!",
                                     "Sorry, no files listed!"}));
    }

    void previewShowsAndUndoTakesBack()
    {
        QTemporaryDir dir;
        const auto file = [&](const char *name) { return dir.filePath(name); };
        Mp3Bytes::write(file("a.mp3"), audio + Mp3Bytes::tag("Song", "Band", 17));
        RenamerPage page;
        page.setFolder(dir.path());
        ScriptedMessageBox messages;
        QVERIFY(!enabled(page, "cmdPreview"));
        click(page, "optArrange_4");
        rename(page, "cmdPreview");
        QCOMPARE(texts(page, "lv"),
                 QStringList{file("a.mp3") + " would be renamed to " + file("Song-Band.mp3")});
        QVERIFY(QFile::exists(file("a.mp3")));
        rename(page, "cmd_4");
        QVERIFY(QFile::exists(file("Song-Band.mp3")));
        rename(page, "cmdUndo");
        QCOMPARE(texts(page, "lv").last(), file("Song-Band.mp3") + " renamed to " + file("a.mp3"));
        QCOMPARE(texts(page, "FileList_1"), QStringList{"a.mp3"});
    }

    void changeDirectoryPicksAFolderForItsOwnPage()
    {
        TagEditorWindow form;
        form.show();
        const QStringList before = texts(form, "txtPath_", 1);
        pickRoot(form, "cmd_2");
        QCOMPARE(child<QLineEdit>(form, "txtPath_2")->text(), "/");
        QCOMPARE(texts(form, "txtPath_", 1), before);
        click(form, "cmd_0");
        click(*form.findChild<FolderPickerDialog *>(), "cmdCancel");
        QTRY_VERIFY(!form.findChild<FolderPickerDialog *>());
        QCOMPARE(texts(form, "txtPath_", 1), before);
        pickRoot(form, "cmd_0");
        QCOMPARE(texts(form, "txtPath_", 1), QStringList{"/"});
        QCOMPARE(child<DirListBox>(form, "Dir1")->Path(), "/");
    }

    void closeOnlyHidesTheEditorAndStopsARename()
    {
        QTemporaryDir many;
        for (int i = 0; i < 200; ++i)
            Mp3Bytes::write(many.filePath(QString::number(i) + ".mp3"),
                            audio + Mp3Bytes::tag(QByteArray::number(i) + "x", "B", 17));
        QWidget main;
        main.show();
        TagEditorWindow::showFor(&main);
        auto *editor = main.findChild<TagEditorWindow *>();
        QVERIFY(editor && editor->isVisible() && !main.isVisible());
        clickFile(*editor, "rock.mp3");
        editor->findChild<RenamerPage *>()->setFolder(many.path());
        click(*editor, "optArrange_4"); // Title, Artist
        click(*editor, "cmd_4");
        click(*editor, "cmdClose");
        QVERIFY(main.isVisible() && !editor->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(enabled(*editor, "cmd_4"), 30000);
        QCOMPARE(texts(*editor, "lv").size(), QDir(many.path()).entryList({"*x-B.mp3"}).size());

        // The same editor comes back as it was left, and goes with the main window, mid-run or not.
        TagEditorWindow::showFor(&main);
        QCOMPARE(main.findChildren<TagEditorWindow *>().size(), 1);
        QVERIFY(editor->isVisible() && !main.isVisible());
        QCOMPARE(texts(*editor, "txt1_", 1), QStringList{"Stone"});
        click(*editor, "cmd_4");
    }
};

TAVRO_QTEST_MAIN(TagEditorWindowTest)
#include "TagEditorWindow_test.moc"
