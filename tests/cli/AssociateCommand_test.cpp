#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CliRun.h"
#include "TestMedia.h"

namespace {
// The arguments a desktop runs for an entry's Exec value and one file. Inside double quotes the
// quoting rules are a POSIX shell's, and outside them no reserved character may stand, so once
// the value's doubled backslashes are undone and %f is the file (%% a percent sign), sh splits
// it as the desktop would.
QStringList expandExec(const QString &exec, const QString &file)
{
    QString line;
    for (int i = 0; i < exec.size(); ++i)
        line += exec.at(i) == '\\' && i + 1 < exec.size() ? exec.at(++i) : exec.at(i);
    QStringList pieces = line.split("%%");
    for (QString &piece : pieces)
        piece.replace("%f", "\"$1\"");
    QByteArray out;
    TestMedia::run("sh", {"-c", "printf '%s\\0' " + pieces.join('%'), "sh", file}, &out);
    QStringList args = QString::fromUtf8(out).split(QChar(0));
    args.removeLast();
    return args;
}

QString defaultApplication()
{
    QByteArray out;
    TestMedia::run("xdg-mime", {"query", "default", "audio/mpeg"}, &out);
    return QString::fromUtf8(out.trimmed());
}
} // namespace

// The way a double-click goes: tavro-cli associate registers the player beside it (not itself),
// the desktop's lookup names its entry, and the entry's Exec line with a file gives the player
// and the file (that the player plays the file it is started with: MediaKeys_test). --remove
// brings back the default it replaced. What the files hold: DesktopAssociation_test.
TEST(AssociateCommandTest, TheDesktopsLookupStartsThePlayerWithTheFileUntilRemoved)
{
    QTemporaryDir dir;
    for (const char *variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        QDir(dir.path()).mkpath(variable);
        qputenv(variable, QFile::encodeName(dir.filePath(variable)));
    }
    qunsetenv("XDG_CURRENT_DESKTOP");
    QDir(dir.path()).mkpath("XDG_DATA_HOME/applications");
    TestMedia::writeFile(dir.filePath("XDG_DATA_HOME/applications/other.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/true %f\n");
    ASSERT_EQ(TestMedia::run("xdg-mime", {"default", "other.desktop", "audio/mpeg"}), 0);
    ASSERT_EQ(defaultApplication(), "other.desktop");

    const QString player = QFileInfo(qEnvironmentVariable("TAVRO_CLI")).absolutePath() + "/tavro";
    CliRun run = CliRun::run({"associate"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, ".mp3 files open with " + player.toUtf8() + '\n');
    ASSERT_EQ(defaultApplication(), "tavro.desktop");
    QString exec;
    for (const QByteArray &line :
         TestMedia::readFile(dir.filePath("XDG_DATA_HOME/applications/tavro.desktop")).split('\n'))
        if (line.startsWith("Exec="))
            exec = QString::fromUtf8(line.mid(5));
    const QString song = dir.filePath("a song.mp3");
    EXPECT_EQ(expandExec(exec, song), QStringList({player, song}));
    EXPECT_TRUE(QFileInfo(player).isExecutable());

    run = CliRun::run({"associate", "--remove"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "tavro no longer opens .mp3 files\n");
    EXPECT_EQ(defaultApplication(), "other.desktop");
    for (const QStringList &bad : {QStringList{"--bogus"}, QStringList{"--remove", "x"}})
        EXPECT_EQ(CliRun::run(QStringList{"associate"} + bad).exitCode, 2);
}
