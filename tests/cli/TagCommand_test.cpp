#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Bytes.h"
#include "TestMedia.h"

// tavro-cli tag, rmtag and rename: what they write, byte for byte what they print, refusals, and
// rename's --dry-run and --undo. (Why the renamer refuses a file: TagRenamer_test.)
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 300); // 125100 bytes: 7.82 s

class TagCommandTest : public ::testing::Test {
protected:
    QString file(const QString &name, const QByteArray &tag = {})
    {
        return Mp3Bytes::write(m_dir.filePath(name), audio + tag);
    }
    QTemporaryDir m_dir;
};
} // namespace

TEST_F(TagCommandTest, TagSetsTheGivenFieldsInWindows1252AndRefusesBadArguments)
{
    const QString a = file("a.mp3");
    for (const QStringList &args :
         {QStringList{a}, QStringList{a, "--title"}, QStringList{a, "--track", "1"}}) {
        const CliRun run = CliRun::run(QStringList{"tag"} + args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.err.count('\n'), 1);
    }
    EXPECT_EQ(TestMedia::readFile(a), audio);
    EXPECT_EQ(CliRun::run({"tag", a, "--title", "Café", "--artist", "Band", "--year", "1999",
                           "--genre", "Rock"})
                  .exitCode,
              0);
    EXPECT_EQ(CliRun::run({"tag", a, "--comment", "ok"}).exitCode, 0);
    EXPECT_EQ(TestMedia::readFile(a),
              audio + Mp3Bytes::tag("Caf\xE9", "Band", 17, ' ', "1999", "", "ok"));
    const CliRun missing = CliRun::run({"tag", m_dir.filePath("missing.mp3"), "--title", "x"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no such file"));
    EXPECT_FALSE(QFile::exists(m_dir.filePath("missing.mp3")));
}

TEST_F(TagCommandTest, AWriteOverTheSizeLimitLeavesTheFileAndItsAttributesAsTheyWere)
{
    // A 122 KiB limit falls inside the tag's 128 bytes, so each write gets partly through before
    // it fails (even for root); the process must live on to put the file back.
    const QByteArray body = audio.left(122 * 1024 - 64);
    for (const QByteArray &tag : {QByteArray(), Mp3Bytes::tag("Old", "", 1)}) {
        const QString a = m_dir.filePath("a.mp3");
        QFile::remove(a);
        const QByteArray before = body + tag; // the tag, or the one to come, spans the limit
        Mp3Bytes::write(a, before);
        ASSERT_EQ(::chmod(QFile::encodeName(a).constData(), 0444), 0);
        QByteArray err;
        EXPECT_EQ(TestMedia::run("bash",
                                 {"-c", "ulimit -f 122; exec \"$0\" tag \"$1\" --title x",
                                  qEnvironmentVariable("TAVRO_CLI"), a},
                                 nullptr, &err),
                  1);
        EXPECT_EQ(err, "tavro-cli tag: " + a.toUtf8() + ": the tag could not be written\n");
        EXPECT_EQ(TestMedia::readFile(a), before);
        struct stat info {};
        ::stat(QFile::encodeName(a).constData(), &info);
        EXPECT_EQ(info.st_mode & 0777, 0444u);
    }
}

TEST_F(TagCommandTest, FilesThatCannotBeReadOrRenamedAreErrorsThatSayWhy)
{
    const QString locked = file("locked.mp3", Mp3Bytes::tag("Song", "", 1));
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
    const QString tagged = file("tagged.mp3", Mp3Bytes::tag("Song", "", 1));
    ASSERT_EQ(::chmod(QFile::encodeName(m_dir.path()).constData(), 0755), 0);
    const QString fifo = m_dir.filePath("fifo.mp3");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const QString denied = ": cannot be read (Permission denied)\n";
    // The runs marked true need a user without rights (root reads and writes anything).
    const QList<std::tuple<QStringList, bool, QString>> cases = {
        {{"info", locked}, true, "tavro-cli info: " + locked + denied},
        {{"rmtag", locked}, true, "tavro-cli rmtag: " + locked + denied},
        {{"tag", locked, "--title", "x"}, true, "tavro-cli tag: " + locked + denied},
        {{"rename", "--pattern", "%n", locked},
         true,
         "tavro-cli rename: " + locked + ": not renamed, cannot be read (Permission denied)\n"},
        {{"rename", "--pattern", "%n", tagged},
         true,
         "tavro-cli rename: " + tagged + ": not renamed, cannot write in the folder " +
             m_dir.path() + " (Permission denied)\n"},
        {{"rmtag", m_dir.path()}, false, "tavro-cli rmtag: " + m_dir.path() + ": is a folder\n"},
        {{"tag", fifo, "--title", "x"},
         false,
         "tavro-cli tag: " + fifo + ": is not a regular file\n"},
        {{"rename", "--pattern", "%n", fifo},
         false,
         "tavro-cli rename: " + fifo + ": not renamed, is not a regular file\n"}};
    const QString cli = qEnvironmentVariable("TAVRO_CLI");
    // A coverage build's counts go where that user may write them, not into stderr as errors.
    QTemporaryDir counts;
    ASSERT_EQ(::chmod(QFile::encodeName(counts.path()).constData(), 0777), 0);
    QStringList asNobody = {"--reuid=65534", "--regid=65534", "--clear-groups", "--", "env"};
    asNobody << "GCOV_PREFIX=" + counts.path() << cli;
    for (const auto &[args, withoutRights, message] : cases) {
        const bool setpriv = withoutRights && ::geteuid() == 0;
        QByteArray out, err;
        const int status = TestMedia::run(setpriv ? "setpriv" : cli,
                                          (setpriv ? asNobody : QStringList()) + args, &out, &err);
        EXPECT_EQ(status, 1) << qPrintable(args.join(' '));
        EXPECT_EQ(QString::fromUtf8(err), message);
    }
    ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0644), 0);
    EXPECT_EQ(TestMedia::readFile(locked), audio + Mp3Bytes::tag("Song", "", 1));
    EXPECT_EQ(TestMedia::readFile(tagged), audio + Mp3Bytes::tag("Song", "", 1));
}

TEST_F(TagCommandTest, RmtagRemovesTheTagOnce)
{
    const QString a = file("a.mp3", Mp3Bytes::tag("Song", "", 1));
    const QString missing = m_dir.filePath("missing.mp3");
    // The exit status, then what it prints on stdout and stderr.
    const std::pair<QString, QString> runs[] = {
        {a, "0" + a + ": tag removed\n"},
        {a, "0" + a + ": no tag\n"},
        {missing, "1tavro-cli rmtag: " + missing + ": no such file\n"}};
    for (const auto &[target, printed] : runs) {
        const CliRun run = CliRun::run({"rmtag", target});
        EXPECT_EQ(QString::number(run.exitCode) + run.out + run.err, printed);
        EXPECT_EQ(TestMedia::readFile(a), audio);
    }
}

TEST_F(TagCommandTest, RenamePrintsOldAndNewNamesAndTheNoticesOnStderrAndNeedsAPattern)
{
    const QString a = file("a.mp3", Mp3Bytes::tag("One", "Band", 1));
    const QString b = file("b.mp3", Mp3Bytes::tag("Two", "Band", 1));
    for (const QStringList &args : {QStringList{a}, QStringList{"--pattern", "  ", a}})
        EXPECT_EQ(CliRun::run(QStringList{"rename"} + args).exitCode, 2);
    CliRun run =
        CliRun::run({"rename", "--pattern", "%a - %n -", "--attach-time", a, b, "gone.mp3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, (a + " renamed to " + m_dir.filePath("Band - One  (0.08).mp3") + '\n' + b +
                        " renamed to " + m_dir.filePath("Band - Two  (0.08).mp3") + '\n')
                           .toUtf8());
    // The trailing separator is shown before and after it is dropped, as the console message box
    // shows it (trimmed); the blank before it stays in the name.
    EXPECT_EQ(run.err,
              "tavro: Band - One -\ntavro: Band - One\ntavro: Band - Two -\n"
              "tavro: Band - Two\ntavro-cli rename: gone.mp3: not renamed, no such file\n");
}

// Each run is a process of its own, as after a restart.
TEST_F(TagCommandTest, DryRunRenamesNothingAndUndoTakesTheLastRunBack)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    const QString a = file("a.mp3", Mp3Bytes::tag("Song", "Band", 17));
    const QString song = m_dir.filePath("Song.mp3");
    CliRun run = CliRun::run({"rename", "--dry-run", "--pattern", "%n", a});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, (a + " would be renamed to " + song + '\n').toUtf8());
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(CliRun::run({"rename", "--undo"}).err, "tavro-cli rename: nothing to undo\n");

    EXPECT_EQ(CliRun::run({"rename", "--pattern", "%n", a}).exitCode, 0);
    run = CliRun::run({"rename", "--undo"});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(run.out, (song + " renamed to " + a + '\n').toUtf8());
    EXPECT_TRUE(QFile::exists(a));
    EXPECT_EQ(CliRun::run({"rename", "--undo", "--pattern", "%n", a}).exitCode, 2);
    qunsetenv("XDG_DATA_HOME");
}
