#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QTemporaryDir>

#include "DesktopAssociation.h"
#include "DesktopKeyFile.h"
#include "DesktopRegistry.h"
#include "TestMedia.h"

// Everything the desktop reads lies in a temporary folder, and the machine's own defaults stay
// out of the way. xdg-mime, the desktop's own lookup, checks what was written. That the Exec line
// starts the player with a file: AssociateCommand_test.
class DesktopAssociationTest : public testing::Test {
protected:
    void SetUp() override
    {
        for (const char *variable :
             {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
            QDir(m_dir.path()).mkpath(variable);
            qputenv(variable, QFile::encodeName(m_dir.filePath(variable)));
        }
        qunsetenv("XDG_CURRENT_DESKTOP");
        QDir(m_dir.path()).mkpath("bin");
        QDir(m_dir.path()).mkpath("XDG_DATA_HOME/applications");
        TestMedia::writeFile(m_program, "#!/bin/sh\n");
        QFile(m_program).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    }
    QString file(const QString &name) const { return m_dir.filePath(name); }
    static QString defaultApplication()
    {
        QByteArray out;
        TestMedia::run("xdg-mime", {"query", "default", "audio/mpeg"}, &out);
        return QString::fromUtf8(out.trimmed());
    }
    // Another program's entry for audio/mpeg, made the default by xdg-mime itself.
    void setOtherDefault()
    {
        TestMedia::writeFile(file("XDG_DATA_HOME/applications/other.desktop"),
                             "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/true %f\n"
                             "MimeType=audio/mpeg;\n");
        ASSERT_EQ(TestMedia::run("xdg-mime", {"default", "other.desktop", "audio/mpeg"}), 0);
        ASSERT_EQ(defaultApplication(), "other.desktop");
    }
    bool make() const
    {
        DesktopRegistry registry;
        return DesktopAssociation(registry).Make("mp3", m_program);
    }
    bool remove() const
    {
        DesktopRegistry registry;
        return DesktopAssociation(registry).Remove("mp3", m_program);
    }
    // Every file below the temporary folder, with its bytes.
    QMap<QString, QByteArray> files() const
    {
        QMap<QString, QByteArray> all;
        QDirIterator it(m_dir.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            all[path] = TestMedia::readFile(path);
        }
        return all;
    }

    QTemporaryDir m_dir;
    const QString m_program = m_dir.filePath("bin/tavro");
    const QString m_list = m_dir.filePath("XDG_CONFIG_HOME/mimeapps.list");
    const QString m_entry = m_dir.filePath("XDG_DATA_HOME/applications/tavro.desktop");
};

// Make puts tavro ahead of what was the default, touching no other line, and writes its entry
// and icon; a second Make writes the same; Remove brings back every file as it was, so the
// desktop finds the old default again.
TEST_F(DesktopAssociationTest, MakeNamesOurEntryAndRemoveBringsBackWhatWasThere)
{
    const QByteArray notes =
        "# kept as written\n[Added Associations]\naudio/mpeg=player.desktop;\n\n"
        "[Default Applications]\r\ntext/plain=editor.desktop\r\n"
        "audio/mpeg=other.desktop\r\n\n[Removed Associations]\nimage/png=viewer.desktop;";
    const QString svg = file("XDG_DATA_HOME/icons/hicolor/scalable/apps/tavro.svg");
    // Nothing set, another program's default set by xdg-mime, that default among other lines.
    for (const QByteArray &list : {QByteArray(), QByteArray("by xdg-mime"), notes}) {
        SCOPED_TRACE(list.constData());
        QFile::remove(m_list);
        if (!list.isEmpty())
            setOtherDefault();
        if (list == notes)
            TestMedia::writeFile(m_list, notes);
        const QString defaultBefore = defaultApplication();
        const QMap<QString, QByteArray> before = files();

        ASSERT_TRUE(make());
        EXPECT_EQ(defaultApplication(), "tavro.desktop");
        EXPECT_EQ(TestMedia::readFile(m_list),
                  list.isEmpty()
                      ? "[Default Applications]\naudio/mpeg=tavro.desktop;\n"
                      : before.value(m_list).replace("audio/mpeg=other.desktop",
                                                     "audio/mpeg=tavro.desktop;other.desktop"));
        EXPECT_EQ(TestMedia::readFile(m_entry),
                  ("[Desktop Entry]\nType=Application\nName=tavro\nMimeType=audio/mpeg;\nIcon=" +
                   svg + "\nExec=" + m_program + " %f\n")
                      .toUtf8());
        EXPECT_TRUE(TestMedia::readFile(svg).startsWith("<svg"));
        EXPECT_TRUE(TestMedia::readFile(file("XDG_DATA_HOME/icons/hicolor/48x48/apps/tavro.png"))
                        .startsWith("\x89PNG\r\n"));
        const QMap<QString, QByteArray> made = files();
        ASSERT_TRUE(make());
        EXPECT_EQ(files(), made);

        ASSERT_TRUE(remove());
        EXPECT_EQ(files(), before);
        EXPECT_EQ(defaultApplication(), defaultBefore);
    }
}

// Remove takes back only tavro's own default: with none set, or another program's, nothing
// changes, not even tavro's own entry.
TEST_F(DesktopAssociationTest, RemoveWithoutOurDefaultChangesNothing)
{
    const QMap<QString, QByteArray> empty = files();
    ASSERT_TRUE(remove());
    EXPECT_EQ(files(), empty);
    ASSERT_TRUE(make());
    setOtherDefault();
    const QMap<QString, QByteArray> others = files();
    ASSERT_TRUE(remove());
    EXPECT_EQ(files(), others);
    EXPECT_EQ(defaultApplication(), "other.desktop");
}

// Quotes only where the desktop-entry rules require them (a plain path has none: see above), %
// doubled; the entry's string escapes double the backslashes once more.
TEST_F(DesktopAssociationTest, ExecLineQuotesAPathThatNeedsIt)
{
    EXPECT_EQ(DesktopAssociation::openCommand("/opt/my apps/tavro"), "\"/opt/my apps/tavro\" %f");
    const QString odd = "/opt/100% \"q\" $HOME `x` a\\b/tavro";
    EXPECT_EQ(DesktopAssociation::openCommand(odd),
              "\"/opt/100%% \\\"q\\\" \\$HOME \\`x\\` a\\\\b/tavro\" %f");
    DesktopRegistry registry;
    ASSERT_TRUE(registry.setDefaultValue("tavro\\shell\\open\\command", "\"a\\\\b\" %f"));
    EXPECT_TRUE(TestMedia::readFile(m_entry).contains("\nExec=\"a\\\\\\\\b\" %f\n"));
}

// Files that are not ours to rewrite are left alone, and the other steps still run; binary junk
// is only lines the association does not know, and they stay.
TEST_F(DesktopAssociationTest, AMimeAppsListThatCannotBeRewrittenStaysAndTheOtherStepsRun)
{
    const QByteArray big = QByteArray("# padding\n").repeated(DesktopKeyFile::kMaxBytes / 10 + 1);
    for (const char *what : {"a named pipe", "over a megabyte"}) {
        SCOPED_TRACE(what);
        if (what[0] == 'a')
            ASSERT_EQ(TestMedia::run("mkfifo", {m_list}), 0);
        else
            TestMedia::writeFile(m_list, big);
        EXPECT_FALSE(make());
        EXPECT_EQ(defaultApplication(), "tavro.desktop"); // through the entry's MimeType alone
        EXPECT_EQ(files().value(m_list), what[0] == 'a' ? QByteArray() : big);
        QFile::remove(m_list);
    }
    const char raw[] = "\0\xff[Default Applications\x01\nnot=a list\0\n\x89";
    const QByteArray junk(raw, sizeof raw - 1);
    TestMedia::writeFile(m_list, junk);
    ASSERT_TRUE(make());
    EXPECT_EQ(TestMedia::readFile(m_list),
              junk + "\n\n[Default Applications]\naudio/mpeg=tavro.desktop;\n");
}

// Without XDG_CONFIG_HOME and XDG_DATA_HOME (or with relative ones) the files lie below home.
TEST_F(DesktopAssociationTest, DefaultFoldersLieBelowHome)
{
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(m_dir.path()));
    qunsetenv("XDG_CONFIG_HOME");
    qputenv("XDG_DATA_HOME", "relative/share");
    const DesktopRegistry registry;
    qputenv("HOME", home);
    EXPECT_EQ(registry.mimeAppsPath(), file(".config/mimeapps.list"));
    EXPECT_EQ(registry.entryPath("tavro"), file(".local/share/applications/tavro.desktop"));
}
