#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CliRun.h"
#include "TestMedia.h"

// tavro-cli associate registers the player beside it (not itself) as the desktop's program for
// .mp3 files; --remove brings back the one it replaced. The files: DesktopAssociation_test.
TEST(AssociateCommandTest, RegistersThePlayerBesideItAndRemoveTakesItBack)
{
    QTemporaryDir dir;
    for (const char *variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_DIRS"}) {
        QDir(dir.path()).mkpath(variable);
        qputenv(variable, QFile::encodeName(dir.filePath(variable)));
    }
    qunsetenv("XDG_CURRENT_DESKTOP");
    const auto defaultApplication = [] {
        QByteArray out;
        TestMedia::run("xdg-mime", {"query", "default", "audio/mpeg"}, &out);
        return out.trimmed();
    };
    TestMedia::writeFile(dir.filePath("XDG_DATA_HOME/applications/other.desktop"),
                         "[Desktop Entry]\nType=Application\nName=Other\nExec=/bin/true %f\n");
    ASSERT_EQ(TestMedia::run("xdg-mime", {"default", "other.desktop", "audio/mpeg"}), 0);

    const QString player = QFileInfo(qEnvironmentVariable("TAVRO_CLI")).absolutePath() + "/tavro";
    CliRun run = CliRun::run({"associate"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, ".mp3 files open with " + player.toUtf8() + '\n');
    EXPECT_EQ(defaultApplication(), "tavro.desktop");
    EXPECT_TRUE(TestMedia::readFile(dir.filePath("XDG_DATA_HOME/applications/tavro.desktop"))
                    .contains("\nExec=" + player.toUtf8() + " %f\n"));

    run = CliRun::run({"associate", "--remove"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, "tavro no longer opens .mp3 files\n");
    EXPECT_EQ(defaultApplication(), "other.desktop");

    for (const QStringList &bad : {QStringList{"--bogus"}, QStringList{"--remove", "x"}})
        EXPECT_EQ(CliRun::run(QStringList{"associate"} + bad).exitCode, 2);
}
