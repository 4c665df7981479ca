#include <csignal>

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include "CliRun.h"
#include "DecodedMp3.h"
#include "TestMedia.h"
#include "WavWriter.h"

namespace {
class EncodeCommandTest : public ::testing::Test {
protected:
    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QStringList entries() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    static CliRun encode(const QStringList &args)
    {
        return CliRun::run(QStringList{QStringLiteral("encode")} + args);
    }

    QTemporaryDir m_dir;
};
} // namespace

TEST_F(EncodeCommandTest, EncodesWithTheChosenPresetAndLeavesNothingElse)
{
    ASSERT_TRUE(TestMedia::makeWav(path("in.wav"), 1.0));
    CliRun run = encode({path("in.wav"), path("standard.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(DecodedMp3::decode(path("standard.mp3")).frames, 44100);

    run = encode({path("in.wav"), path("cbr.mp3"), QStringLiteral("--preset"), QStringLiteral("12"),
                  QStringLiteral("--bitrate"), QStringLiteral("192")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    const auto bitrateIndex = quint8(TestMedia::readFile(path("cbr.mp3")).at(2)) >> 4;
    EXPECT_EQ(bitrateIndex, 11) << "192 kbit/s";
    EXPECT_TRUE(run.err.isEmpty()) << "no progress bar when stderr is not a terminal";
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("cbr.mp3"), QStringLiteral("in.wav"),
                                      QStringLiteral("standard.mp3")}));
}

TEST_F(EncodeCommandTest, ReplacesAnExistingOutputOnlyWhenForced)
{
    ASSERT_TRUE(TestMedia::makeWav(path("in.wav"), 0.5));
    TestMedia::writeFile(path("out.mp3"), "keep me");
    CliRun run = encode(
        {path("in.wav"), path("out.mp3"), QStringLiteral("--preset"), QStringLiteral("insane")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("already exists"));
    EXPECT_EQ(TestMedia::readFile(path("out.mp3")), QByteArray("keep me"));

    run = encode({QStringLiteral("--force"), path("in.wav"), path("out.mp3")});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_EQ(DecodedMp3::decode(path("out.mp3")).frames, 22050);
}

TEST_F(EncodeCommandTest, RefusesBadArgumentsAndBadInputWithoutLeavingFiles)
{
    ASSERT_TRUE(TestMedia::makeWav(path("in.wav"), 0.2));
    TestMedia::writeFile(path("text.wav"), QByteArray("not a wave file\n").repeated(100));
    const QString out = path("out.mp3");
    const QList<QStringList> usageErrors = {
        {path("in.wav"), out, QStringLiteral("--preset"), QStringLiteral("loud")},
        {path("in.wav"), out, QStringLiteral("--preset"), QStringLiteral("15")},
        {path("in.wav"), out, QStringLiteral("--bitrate"), QStringLiteral("999")},
        {path("in.wav"), out, QStringLiteral("--bitrate")},
        {path("in.wav"), out, QStringLiteral("--quiet")},
        {path("in.wav")},
    };
    for (const QStringList &args : usageErrors)
        EXPECT_EQ(encode(args).exitCode, 2) << qPrintable(args.join(QLatin1Char(' ')));
    EXPECT_TRUE(encode({path("in.wav"), out, QStringLiteral("--preset"), QStringLiteral("loud")})
                    .err.contains("fast-standard"));

    EXPECT_EQ(encode({path("missing.wav"), out}).exitCode, 1);
    const CliRun run = encode({path("text.wav"), out});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Invalid Format (error 29771, tavro.lameConvert)"))
        << run.err.constData();
    EXPECT_EQ(entries(), (QStringList{QStringLiteral("in.wav"), QStringLiteral("text.wav")}));
}

TEST_F(EncodeCommandTest, InterruptLeavesNoOutput)
{
    // Five minutes of audio, so that the run is still going when the interrupt comes.
    {
        WavWriter writer;
        writer.OpenFile(path("long.wav"));
        QByteArray second(176400, '\0');
        for (int i = 0; i < second.size(); ++i)
            second[i] = char((i * 7) % 251);
        for (int s = 0; s < 300; ++s)
            writer.WriteWavData(second.constData(), second.size());
    }
    QProcess process;
    process.start(qEnvironmentVariable("TAVRO_CLI"),
                  {QStringLiteral("encode"), path("long.wav"), path("out.mp3")});
    ASSERT_TRUE(process.waitForStarted());
    const QString part = path(".out.mp3.%1.part").arg(process.processId());
    QElapsedTimer clock;
    clock.start();
    while (!QFile::exists(part) && clock.elapsed() < 30000)
        QThread::msleep(5);
    ASSERT_TRUE(QFile::exists(part));
    ::kill(pid_t(process.processId()), SIGINT);
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 130);
    EXPECT_EQ(entries(), QStringList{QStringLiteral("long.wav")});
}
