#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "CliArguments.h"
#include "CliRun.h"
#include "ConsoleProgressBar.h"
#include "Mp3Bytes.h"
#include "TestDisc.h"
#include "TestMedia.h"
#include "TmpfsDisk.h"

// The conventions every command word keeps: --help and -h, "--" before names that start with a
// dash, several files for tag, rmtag and info with each failure reported, --version, a read-only
// target, the progress bar.
namespace {
const QByteArray audio = Mp3Bytes::frames(0xFB, 0x90, 0x64, 417, 30);
const QByteArray oldTag = Mp3Bytes::tag("Old", "", 1);

class CliConventionsTest : public ::testing::Test {
protected:
    // Names that start with a dash are given as they are, relative to the folder.
    void SetUp() override
    {
        m_previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(m_dir.path()));
    }
    void TearDown() override { QDir::setCurrent(m_previous); }

    static QString file(const QString &name, const QByteArray &bytes = audio + oldTag)
    {
        return Mp3Bytes::write(name, bytes);
    }

    QTemporaryDir m_dir;
    QString m_previous;
};
} // namespace

TEST_F(CliConventionsTest, TheFrontEndListsEveryCommandOfBothProgramsAndTellsItsVersion)
{
    const CliRun help = CliRun::run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    QList<QByteArray> lines = help.out.mid(help.out.indexOf("Commands:\n") + 10).split('\n');
    lines.removeAll(QByteArray());
    const auto wordOf = [](const QByteArray &line) {
        return line.mid(2, line.indexOf(' ', 2) - 2);
    };
    QList<QByteArray> words;
    for (const QByteArray &line : lines)
        words << wordOf(line);
    EXPECT_EQ(words,
              (QList<QByteArray>{"associate", "cd", "cut", "encode", "info", "merge", "record",
                                 "rename", "rip", "rmtag", "search", "tag", "toc"}));
    // Whichever program serves a word, its help is its line of the list.
    for (const QByteArray &line : lines) {
        const QByteArray word = wordOf(line);
        for (const QStringList &args : {QStringList{"--help"}, QStringList{"-h"},
                                        QStringList{"x.mp3", "--force", "--help"}}) {
            const CliRun run = CliRun::run(QStringList{QString::fromUtf8(word)} + args);
            EXPECT_EQ(run.exitCode, 0) << word.constData() << ' ' << qPrintable(args.join(' '));
            EXPECT_EQ(run.out, "usage: tavro-cli " + line.mid(2) + '\n');
            EXPECT_EQ(run.err, "");
        }
    }
    EXPECT_TRUE(QDir().entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());

    const CliRun bare = CliRun::run({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_EQ(bare.out, help.out);
    const CliRun unknown = CliRun::run({"play", "x.mp3"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_EQ(unknown.err, "tavro-cli: unknown command 'play' (see tavro-cli --help)\n");
    const CliRun version = CliRun::run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("tavro-cli " TAVRO_VERSION "\n"));
}

TEST_F(CliConventionsTest, NamesThatLookLikeOptionsAreFilesAfterTheEndOfOptionsOrValuesOfOne)
{
    file("--help");
    file("-x.mp3");
    file("-h");
    const CliRun info = CliRun::run({"info", "--json", "--", "--help", "-h"});
    EXPECT_EQ(info.exitCode, 0);
    EXPECT_EQ(info.out.count('\n'), 2);
    EXPECT_TRUE(info.out.contains("--help"));
    EXPECT_EQ(CliRun::run({"tag", "--title", "--help", "--artist", "-h", "--", "-x.mp3"}).exitCode,
              0);
    EXPECT_EQ(TestMedia::readFile("-x.mp3"), audio + Mp3Bytes::tag("--help", "-h", 1));
    const CliRun rmtag = CliRun::run({"rmtag", "--", "--help", "-h"});
    EXPECT_EQ(rmtag.exitCode, 0);
    EXPECT_EQ(rmtag.out, "--help: tag removed\n-h: tag removed\n");
    EXPECT_EQ(TestMedia::readFile("--help"), audio);
    const CliRun unknown = CliRun::run({"rmtag", "--bogus", "-x.mp3"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.startsWith("tavro-cli rmtag: unknown option --bogus\nusage: "));
}

TEST_F(CliConventionsTest, SeveralFilesAreEachDoneAndEachFailureIsReported)
{
    const QStringList files{file("a.mp3"), "missing.mp3", file("b.mp3", audio)};
    const QByteArray missing = "tavro-cli %1: missing.mp3: no such file\n";
    const CliRun tag = CliRun::run(QStringList{"tag"} + files + QStringList{"--title", "New"});
    EXPECT_EQ(tag.exitCode, 1);
    EXPECT_EQ(tag.err, QByteArray(missing).replace("%1", "tag"));
    for (const QString &name : {files[0], files[2]}) {
        const QByteArray bytes = TestMedia::readFile(name);
        EXPECT_EQ(bytes.size(), audio.size() + 128);
        EXPECT_TRUE(bytes.startsWith(audio + "TAGNew")) << qPrintable(name);
    }

    const CliRun json = CliRun::run(QStringList{"info", "--json"} + files);
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_EQ(json.err, QByteArray(missing).replace("%1", "info"));
    const QList<QByteArray> lines = json.out.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3);
    for (const QByteArray &line : lines)
        EXPECT_TRUE(QJsonDocument::fromJson(line).object().contains("clsMP3")) << line.data();

    const CliRun rmtag = CliRun::run(QStringList{"rmtag"} + files);
    EXPECT_EQ(rmtag.exitCode, 1);
    EXPECT_EQ(rmtag.out, "a.mp3: tag removed\nb.mp3: tag removed\n");
    EXPECT_EQ(rmtag.err, QByteArray(missing).replace("%1", "rmtag"));
}

TEST(CliArgumentsTest, HelpIsAskedOnlyWhereAnOptionMayStandAndTheEndOfOptionsIsStepped)
{
    const QStringList values{"--m3u"};
    const struct {
        QStringList args;
        bool help;
        QString walk; // each word, options in brackets
    } cases[] = {
        {{"a", "-h"}, true, "a -h"},
        {{"--m3u", "--help"}, false, "[--m3u] --help"},
        {{"--m3u", "--", "--help"}, true, "[--m3u] -- [--help]"},
        {{"--", "--help", "--"}, false, "--help --"},
        {{"a", "--"}, false, "a"},
        {{"-x", "--force", "--", "--force"}, false, "-x [--force] --force"},
    };
    for (const auto &c : cases) {
        CliArguments args(c.args, values);
        EXPECT_EQ(args.helpAsked(), c.help) << qPrintable(c.args.join(' '));
        QStringList walk;
        while (!args.atEnd()) {
            const bool option = args.atOption();
            const QString word = args.take();
            walk << (option ? '[' + word + ']' : word);
            if (word == "--m3u" && !args.rest().isEmpty())
                walk << args.rest().takeFirst();
        }
        EXPECT_EQ(walk.join(' '), c.walk) << qPrintable(c.args.join(' '));
    }
}

// Every command that writes fails on a read-only file system with exit 1 and a message naming
// the path, and leaves what is there as it was.
TEST(ReadOnlyTargetTest, EveryWritingCommandFailsAndNamesThePath)
{
    const TmpfsDisk disk("1m");
    if (!disk.mounted())
        GTEST_SKIP() << "no tmpfs can be mounted here";
    ASSERT_TRUE(TestMedia::makeWav(disk.path("in.wav"), 1.0));
    ASSERT_TRUE(TestMedia::makeMp3(disk.path("song.mp3"), 1.0));
    ASSERT_TRUE(disk.makeReadOnly());
    QTemporaryDir here;
    ASSERT_TRUE(TestDisc::write(here.filePath("disc.cue"), {{75 * 2, 440}}));
    const QString song = disk.path("song.mp3"), out = disk.path("out.mp3");
    const QString list = disk.path("list.m3u");
    const QByteArray before = TestMedia::readFile(song);
    const QList<std::pair<QStringList, QString>> runs = {
        {{"encode", disk.path("in.wav"), out}, out},
        {{"encode", disk.path("in.wav"), song, "--force"}, song},
        {{"rip", "--image", here.filePath("disc.cue"), "--track", "1", out}, out},
        {{"cut", song, out, "--from", "0", "--to", "1"}, out},
        {{"merge", song, song, out}, out},
        {{"search", disk.path({}), "--m3u", list}, list},
        {{"tag", song, "--title", "New"}, song},
    };
    for (const auto &[args, named] : runs) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, 1) << qPrintable(args.first());
        EXPECT_TRUE(run.err.contains(named.toUtf8())) << run.err.constData();
    }
    EXPECT_EQ(TestMedia::readFile(song), before);
    EXPECT_EQ(QDir(disk.path({})).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"in.wav", "song.mp3"}));
}

TEST(ConsoleProgressBarTest, RedrawsInPlaceOnlyWhenTheTextChanges)
{
    QString text;
    QTextStream out(&text);
    ConsoleProgressBar bar(out, QStringLiteral("Encoding"), 10);
    bar.finish(); // nothing drawn: no line to end
    EXPECT_TRUE(text.isEmpty());
    bar.update(0, 1000);
    bar.update(1, 2000000); // still 0.0 %
    bar.update(455, 1000);
    bar.update(5000, 1000); // clamped
    bar.update(0, 0);       // nothing to do is done
    bar.finish();
    EXPECT_EQ(text, QStringLiteral("\rEncoding [----------]   0.0 %"
                                   "\rEncoding [####------]  45.5 %"
                                   "\rEncoding [##########] 100.0 %\n"));
}
