#include <functional>

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "DesktopAssociation.h"
#include "DesktopKeyFile.h"
#include "DesktopRegistry.h"
#include "TestMedia.h"

namespace {
// The arguments a desktop runs for an entry's Exec value and one file: the value's string
// escapes undone, split at blanks outside double quotes, %f the file, %% a percent sign.
QStringList expandExec(const QString &exec, const QString &file)
{
    QString line;
    for (int i = 0; i < exec.size(); ++i) {
        const QChar c = exec.at(i);
        if (c != '\\' || i + 1 == exec.size()) {
            line += c;
            continue;
        }
        const QChar next = exec.at(++i);
        line += next == 's'   ? QChar(' ')
                : next == 'n' ? QChar('\n')
                : next == 't' ? QChar('\t')
                : next == 'r' ? QChar('\r')
                              : next;
    }
    QStringList args;
    QString arg;
    bool quoted = false;
    bool started = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (!quoted && c == ' ') {
            if (started)
                args << arg;
            arg.clear();
            started = false;
            continue;
        }
        started = true;
        if (c == '"')
            quoted = !quoted;
        else if (quoted && c == '\\' && i + 1 < line.size())
            arg += line.at(++i); // inside quotes only ", `, $ and \ come escaped
        else
            arg += c;
    }
    if (started)
        args << arg;
    for (QString &each : args)
        each = each == "%f" ? file : each.replace("%%", "%");
    return args;
}

QString entryValue(const QString &entryPath, const QString &key)
{
    for (const QByteArray &line : TestMedia::readFile(entryPath).split('\n'))
        if (line.startsWith(key.toUtf8() + '='))
            return QString::fromUtf8(line.mid(key.size() + 1));
    return {};
}
} // namespace

// Everything the desktop reads lies in a temporary folder, and the machine's own defaults stay
// out of the way. xdg-mime, the desktop's own lookup, checks what was written.
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
        m_program = m_dir.filePath("bin/tavro");
        writeProgram(m_program);
    }
    QString configFile(const QString &name) const
    {
        return m_dir.filePath("XDG_CONFIG_HOME/" + name);
    }
    QString dataFile(const QString &name) const { return m_dir.filePath("XDG_DATA_HOME/" + name); }
    static void writeProgram(const QString &path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        TestMedia::writeFile(path, "#!/bin/sh\n");
        QFile(path).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    static QString defaultFor(const QString &mimeType = "audio/mpeg")
    {
        QByteArray out;
        TestMedia::run("xdg-mime", {"query", "default", mimeType}, &out);
        return QString::fromUtf8(out.trimmed());
    }
    // Another program's entry for audio/mpeg, made its default by xdg-mime itself.
    void setOtherDefault()
    {
        TestMedia::writeFile(dataFile("applications/other.desktop"),
                             "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/true %f\n"
                             "MimeType=audio/mpeg;\n");
        ASSERT_EQ(TestMedia::run("xdg-mime", {"default", "other.desktop", "audio/mpeg"}), 0);
    }
    bool make(const QString &program) const
    {
        DesktopRegistry registry;
        return DesktopAssociation(registry).Make("mp3", program);
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
    QString entry() const { return dataFile("applications/tavro.desktop"); }
    QString svg() const { return dataFile("icons/hicolor/scalable/apps/tavro.svg"); }

    QTemporaryDir m_dir;
    QString m_program;
};

// Make puts tavro ahead of what was the default, touching no other line; a second Make writes
// the same; Remove brings back every file as it was, so the desktop finds the old default again.
TEST_F(DesktopAssociationTest, MakeNamesOurEntryAndRemoveBringsBackWhatWasThere)
{
    const QByteArray notes =
        "# kept as written\n[Added Associations]\naudio/mpeg=player.desktop;\n\n"
        "[Default Applications]\r\ntext/plain=editor.desktop\r\n"
        "audio/mpeg=other.desktop\r\n\n[Removed Associations]\n"
        "image/png=viewer.desktop;";
    const struct {
        const char *before;
        QByteArray mimeApps;  // written before Make; "xdg-mime" sets another default through it
        QByteArray afterMake; // mimeapps.list after Make; empty: the default line edited in place
    } cases[] = {
        {"nothing", {}, "[Default Applications]\naudio/mpeg=tavro.desktop;\n"},
        {"another default", "xdg-mime", {}},
        {"comments and other groups", notes, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.before);
        QFile::remove(configFile("mimeapps.list"));
        if (!c.mimeApps.isEmpty())
            setOtherDefault();
        if (c.mimeApps != "xdg-mime" && !c.mimeApps.isEmpty())
            TestMedia::writeFile(configFile("mimeapps.list"), c.mimeApps);
        const QString defaultBefore = defaultFor();
        const QMap<QString, QByteArray> before = files();
        const QByteArray listBefore = TestMedia::readFile(configFile("mimeapps.list"));

        ASSERT_TRUE(make(m_program));
        EXPECT_EQ(defaultFor(), "tavro.desktop");
        QByteArray expected = c.afterMake;
        if (expected.isEmpty())
            expected =
                QByteArray(listBefore)
                    .replace("audio/mpeg=other.desktop", "audio/mpeg=tavro.desktop;other.desktop");
        EXPECT_EQ(TestMedia::readFile(configFile("mimeapps.list")), expected);
        EXPECT_EQ(TestMedia::readFile(entry()),
                  ("[Desktop Entry]\nType=Application\nName=tavro\nMimeType=audio/mpeg;\nIcon=" +
                   svg() + "\nExec=" + m_program + " %f\n")
                      .toUtf8());
        EXPECT_TRUE(TestMedia::readFile(svg()).startsWith("<svg"));
        EXPECT_TRUE(TestMedia::readFile(dataFile("icons/hicolor/48x48/apps/tavro.png"))
                        .startsWith("\x89PNG\r\n"));
        const QMap<QString, QByteArray> made = files();
        ASSERT_TRUE(make(m_program));
        EXPECT_EQ(files(), made);

        ASSERT_TRUE(remove());
        EXPECT_EQ(files(), before);
        EXPECT_EQ(defaultFor(), defaultBefore);
    }
}

// Remove takes back only tavro's own default: with none set, or another program's, nothing
// changes, not even tavro's own entry.
TEST_F(DesktopAssociationTest, RemoveWithoutOurDefaultChangesNothing)
{
    const QMap<QString, QByteArray> empty = files();
    ASSERT_TRUE(remove());
    EXPECT_EQ(files(), empty);
    ASSERT_TRUE(make(m_program));
    setOtherDefault();
    const QMap<QString, QByteArray> others = files();
    ASSERT_TRUE(remove());
    EXPECT_EQ(files(), others);
    EXPECT_EQ(defaultFor(), "other.desktop");
}

// The Exec line quotes a program path only where the rules require it, and a desktop that
// expands it as they say starts that very program with the file, whatever the two hold.
TEST_F(DesktopAssociationTest, ExecLineGivesTheProgramAndTheFileBackWhole)
{
    const QString file = m_dir.filePath("my song's (1).mp3");
    for (const char *folder : {"plain", "with blanks", "100% \"quoted\" $HOME `x` back\\slash"}) {
        const QString program = m_dir.filePath(QString("bin/%1/tavro").arg(folder));
        writeProgram(program);
        ASSERT_TRUE(make(program));
        EXPECT_EQ(expandExec(entryValue(entry(), "Exec"), file), QStringList({program, file}));
    }
    EXPECT_EQ(DesktopAssociation::openCommand("/usr/bin/tavro"), "/usr/bin/tavro %f");
    EXPECT_EQ(DesktopAssociation::openCommand("/opt/my apps/tavro"), "\"/opt/my apps/tavro\" %f");
}

// Files that are not ours to rewrite are left alone, and the other steps still run.
TEST_F(DesktopAssociationTest, AMimeAppsListThatCannotBeRewrittenStaysAndTheEntryIsStillMade)
{
    const QString list = configFile("mimeapps.list");
    const QByteArray big = QByteArray("# padding\n").repeated(DesktopKeyFile::kMaxBytes / 10 + 1);
    const struct {
        const char *what;
        std::function<void()> make;
    } cases[] = {
        {"a folder", [&] { QDir().mkpath(list); }},
        {"a named pipe", [&] { ASSERT_EQ(TestMedia::run("mkfifo", {list}), 0); }},
        {"over a megabyte", [&] { TestMedia::writeFile(list, big); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        c.make();
        const QMap<QString, QByteArray> before = files();
        EXPECT_FALSE(make(m_program));
        EXPECT_TRUE(QFile::exists(entry()));
        EXPECT_EQ(defaultFor(), "tavro.desktop"); // found through its MimeType alone
        QFile::remove(entry());
        EXPECT_EQ(files().value(list), before.value(list));
        QDir(list).removeRecursively();
        QFile::remove(list);
    }
    // Binary junk is only lines the association does not know; they stay.
    const char raw[] = "\0\xff[Default Applications\x01\nnot=a list\0\n\x89";
    const QByteArray junk(raw, sizeof raw - 1);
    TestMedia::writeFile(list, junk);
    ASSERT_TRUE(make(m_program));
    EXPECT_EQ(TestMedia::readFile(list),
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
    EXPECT_EQ(registry.mimeAppsPath(), m_dir.filePath(".config/mimeapps.list"));
    EXPECT_EQ(registry.entryPath("tavro"),
              m_dir.filePath(".local/share/applications/tavro.desktop"));
    qputenv("HOME", home);
}

// The whole way a double-click goes: the desktop's lookup names tavro's entry, and its Exec line
// with a file starts the built player, which plays the file through the sound server.
TEST_F(DesktopAssociationTest, TheDesktopsLookupStartsTheBuiltPlayerWhichPlaysTheFile)
{
    const QString player = QFileInfo(qEnvironmentVariable("TAVRO_CLI")).absolutePath() + "/tavro";
    ASSERT_TRUE(QFileInfo(player).isExecutable()) << qPrintable(player);
    const QString song = m_dir.filePath("a song.mp3");
    ASSERT_TRUE(TestMedia::makeMp3(song, 8.0));
    ASSERT_TRUE(make(player));
    ASSERT_EQ(defaultFor(), "tavro.desktop");
    const QStringList args =
        expandExec(entryValue(dataFile("applications/" + defaultFor()), "Exec"), song);
    ASSERT_EQ(args, QStringList({player, song}));

    QProcess recorder;
    const bool listening = qEnvironmentVariableIsSet("PULSE_SERVER");
    ASSERT_TRUE(!listening || TestMedia::recordSink(recorder));
    QProcess tavro;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    tavro.setProcessEnvironment(environment);
    tavro.start(args.first(), args.mid(1));
    ASSERT_TRUE(tavro.waitForStarted(10000));
    double heard = 0.0;
    QByteArray samples;
    for (int wait = 0; listening && heard < 0.02 && wait < 200; ++wait) {
        recorder.waitForReadyRead(100);
        samples += recorder.readAllStandardOutput();
        heard = TestMedia::peak(samples);
    }
    // Without a sound server it plays into nothing, and only its staying up can be seen.
    EXPECT_FALSE(tavro.waitForFinished(listening ? 0 : 2000));
    EXPECT_TRUE(!listening || heard >= 0.02) << heard;
    tavro.kill();
    tavro.waitForFinished();
    recorder.kill();
    recorder.waitForFinished();
}
