#include <csignal>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "CliRun.h"
#include "Mp3Cutter.h"
#include "TestMedia.h"

namespace {
class CutMergeCommandsTest : public ::testing::Test {
protected:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QStringList files() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }
    static QByteArray read(const QString &file) { return TestMedia::readFile(file); }

    QTemporaryDir m_dir;
};
} // namespace

// The cut uses the player's whole seconds: lame's gapless tag makes its duration exactly 10 s.
TEST_F(CutMergeCommandsTest, CutAndMergeWriteTheirOutputAndReplaceOnlyWhenForced)
{
    ASSERT_TRUE(TestMedia::makeMp3(path("in.mp3"), 10.0));
    const QByteArray in = read(path("in.mp3")), attachment = "attachment";
    TestMedia::writeFile(path("b.mp3"), attachment);
    const Mp3Cutter::Span span = Mp3Cutter::span(in.size(), 10, 2, 5);
    const struct {
        QStringList args;
        QString out;
        QByteArray expected;
    } runs[] = {
        {{"cut", "--from", "2", "--to", "5", path("in.mp3"), path("cut.mp3")},
         path("cut.mp3"),
         in.mid(span.offset, span.length)},
        {{"merge", path("in.mp3"), path("b.mp3"), path("ab.mp3")}, path("ab.mp3"), in + attachment},
    };
    for (const auto &[args, out, expected] : runs) {
        CliRun run = CliRun::run(args);
        ASSERT_EQ(run.exitCode, 0) << run.err.constData();
        EXPECT_TRUE(run.err.isEmpty()) << "no progress bar when stderr is not a terminal";
        EXPECT_TRUE(read(out) == expected) << qPrintable(args.first());
        TestMedia::writeFile(out, "old");
        run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_TRUE(run.err.contains(": already exists (--force replaces it)"));
        EXPECT_EQ(read(out), "old");
        EXPECT_EQ(CliRun::run(args + QStringList{"--force"}).exitCode, 0);
        EXPECT_TRUE(read(out) == expected) << qPrintable(args.first());
    }
    EXPECT_EQ(files(), (QStringList{"ab.mp3", "b.mp3", "cut.mp3", "in.mp3"}));
}

TEST_F(CutMergeCommandsTest, BadArgumentsAndInputsAreRefusedWithoutLeavingFiles)
{
    ASSERT_TRUE(TestMedia::makeMp3(path("in.mp3"), 3.0));
    TestMedia::writeFile(path("text.mp3"), QByteArray("not audio\n").repeated(100));
    const QString in = path("in.mp3"), out = path("out.mp3");
    const QList<std::tuple<QStringList, int, const char *>> cases = {
        {{"cut", in, out, "--from", "1"}, 2, "needs --from S and --to S"},
        {{"cut", in, out, "--from", "1", "--to", "1.5"}, 2, "--to takes a whole number"},
        {{"cut", in, out, "--from", "2", "--to", "2"}, 2, "--to must be greater than --from"},
        {{"cut", in, "--from", "0", "--to", "2"}, 2, "needs an input MP3 file and an output"},
        {{"cut", in, out, "--from", "0", "--to", "4"}, 2, "--to is past the end of"},
        {{"cut", path("gone.mp3"), out, "--from", "0", "--to", "2"}, 1, "gone.mp3: no such file"},
        {{"cut", path("text.mp3"), out, "--from", "0", "--to", "2"}, 1, "its length is unknown"},
        {{"merge", in, out}, 2, "needs a base file, an attachment and an output file"},
        {{"merge", in, path("gone.mp3"), out}, 1, "gone.mp3: no such file"},
        {{"merge", in, in, path("none/out.mp3")}, 1, "cannot write in the folder"},
        {{"cut", in, path("none/o.mp3"), "--from", "0", "--to", "2"}, 1, "cannot write in the"},
        {{"cut", m_dir.path(), out, "--from", "0", "--to", "2"}, 1, ": is a folder"},
        {{"merge", in, path("fifo"), out}, 1, "fifo: is not a regular file"},
        // Even when forced, an output is never one of the inputs, nor anything but a file.
        {{"cut", in, path("link.mp3"), "--from", "0", "--to", "2", "--force"},
         1,
         "link.mp3: is an input of this command; it is never replaced"},
        {{"merge", in, path("text.mp3"), path("text.mp3"), "--force"},
         1,
         "text.mp3: is an input of this command; it is never replaced"},
        {{"merge", in, in, path("fifo"), "--force"},
         1,
         "fifo: is not a regular file; it is never replaced"}};
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo")).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(in, path("link.mp3")));
    const QByteArray before = read(in);
    for (const auto &[args, code, message] : cases) {
        const CliRun run = CliRun::run(args);
        EXPECT_EQ(run.exitCode, code) << qPrintable(args.join(QLatin1Char(' ')));
        EXPECT_TRUE(run.err.contains(message)) << run.err.constData();
    }
    QFile::remove(path("fifo"));
    QFile::remove(path("link.mp3"));
    EXPECT_TRUE(read(in) == before);
    EXPECT_EQ(files(), (QStringList{"in.mp3", "text.mp3"}));
}

TEST_F(CutMergeCommandsTest, AnInterruptedMergeLeavesNoOutput)
{
    // A large sparse base: the merge is still writing when the interrupt comes.
    QFile base(path("base.mp3"));
    ASSERT_TRUE(base.open(QIODevice::WriteOnly) && base.resize(qint64(1) << 30));
    base.close();
    QProcess process;
    process.start(qEnvironmentVariable("TAVRO_CLI"),
                  {"merge", path("base.mp3"), path("base.mp3"), path("out.mp3")});
    ASSERT_TRUE(process.waitForStarted());
    ASSERT_TRUE(CliRun::awaitUnnamedOutput(process.processId(), m_dir.path()));
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_EQ(files(), QStringList{"base.mp3"});
}
