#include <QtTest>

#include "ControlActions.h"
#include "Mp3Bytes.h"
#include "RenamerPage.h"
#include "ScriptedMessageBox.h"
#include "WindowTestMain.h"

using namespace Qt::Literals::StringLiterals;

// Wiring of the renamer's PREVIEW and UNDO LAST RENAME (the journal: RenameJournal_test).
class RenamerPageTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path())); }

    void previewShowsAndUndoTakesBack()
    {
        QTemporaryDir dir;
        const auto file = [&](const char *name) { return dir.filePath(name); };
        Mp3Bytes::write(file("a.mp3"), Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 30) +
                                           Mp3Bytes::tag("Song", "Band", 17));
        RenamerPage page;
        page.setFolder(dir.path());
        ScriptedMessageBox messages;
        QVERIFY(!child<QWidget>(page, "cmdPreview")->isEnabled());
        click(page, "optArrange_4"); // Title, Artist; Dash
        run(page, "cmdPreview");
        QCOMPARE(lines(page),
                 QStringList{file("a.mp3") + " would be renamed to " + file("Song-Band.mp3")});
        QVERIFY(QFile::exists(file("a.mp3")));
        run(page, "cmd_4");
        QVERIFY(QFile::exists(file("Song-Band.mp3")));
        run(page, "cmdUndo");
        QCOMPARE(lines(page).last(), file("Song-Band.mp3") + " renamed to " + file("a.mp3"));
        QVERIFY(QFile::exists(file("a.mp3")));
        QCOMPARE(child<QListWidget>(page, "FileList_1")->item(0)->text(), u"a.mp3"_s);
    }

private:
    // Presses a button that starts a run; the buttons stay off until it has ended.
    static void run(const QObject &form, const char *button)
    {
        click(form, button);
        QVERIFY(!child<QWidget>(form, "cmdUndo")->isEnabled());
        QTRY_VERIFY_WITH_TIMEOUT(child<QWidget>(form, "cmdUndo")->isEnabled(), 30000);
    }
    static QStringList lines(const QObject &form) { return rows(child<QListWidget>(form, "lv")); }

    QTemporaryDir m_data;
};

TAVRO_QTEST_MAIN(RenamerPageTest)
#include "RenamerPage_test.moc"
