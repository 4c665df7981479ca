#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CdDrives.h"
#include "CdToMp3Job.h"
#include "DecodedMp3.h"
#include "TestDisc.h"
#include "TestMedia.h"
#include "WavToMp3Encoder.h"

namespace {
const QList<TestDisc::Track> kTracks = {{75 * 2 + 37, 440}, {75 * 3 + 1, 660}, {150 + 74, 1000}};

class CdToMp3JobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
        ASSERT_TRUE(TestDisc::writeSettings(path("cdrip.ini"), {path("disc.cue")}));
        ASSERT_TRUE(QDir().mkpath(m_temp.path()));
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        m_rip.Create(path("cdrip.ini"));
        m_toc.emplace(m_rip.CDDrive(1).TOC());
        m_job.emplace(*m_toc, m_encoder);
        m_job->setOutputFile(path("out.mp3"));
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }
    QStringList leftInTemp() const
    {
        return QDir(m_temp.path())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QStringList files() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    static void expectTrack(const QString &mp3, int index)
    {
        const DecodedMp3 decoded = DecodedMp3::decode(mp3);
        ASSERT_TRUE(decoded.ok) << qPrintable(mp3);
        EXPECT_EQ(decoded.frames, kTracks[index].sectors * 588) << qPrintable(mp3);
        EXPECT_NEAR(decoded.frequency(), kTracks[index].frequency, kTracks[index].frequency * 0.02);
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_temp;
    CdDrives m_rip;
    std::optional<DiscToc> m_toc;
    WavToMp3Encoder m_encoder;
    std::optional<CdToMp3Job> m_job;
};
} // namespace

TEST(CdToMp3JobNames, OneTrackKeepsTheNameSeveralGetTheirNumber)
{
    EXPECT_EQ(CdToMp3Job::OutputFileFor(QStringLiteral("/m/a.mp3"), 7, false),
              QStringLiteral("/m/a.mp3"));
    EXPECT_EQ(CdToMp3Job::OutputFileFor(QStringLiteral("/m/a.mp3"), 7, true),
              QStringLiteral("/m/a - Track 07.mp3"));
    EXPECT_EQ(CdToMp3Job::OutputFileFor(QStringLiteral("/m/a.b.MP3"), 12, true),
              QStringLiteral("/m/a.b - Track 12.MP3"));
    EXPECT_EQ(CdToMp3Job::OutputFileFor(QStringLiteral("/m/a.wav"), 1, true),
              QStringLiteral("/m/a - Track 01.wav"));
    EXPECT_EQ(CdToMp3Job::OutputFileFor(QStringLiteral("/m/album"), 3, true),
              QStringLiteral("/m/album - Track 03"));
    EXPECT_EQ(CdToMp3Job::OutputFileFor(QStringLiteral("/m/%N-x.mp3"), 3, false),
              QStringLiteral("/m/03-x.mp3"));
}

TEST_F(CdToMp3JobTest, OneTrackBecomesTheChosenFileAndTheTemporaryWavGoes)
{
    m_job->setTracks({2});
    QString wavSeen;
    bool wavExisted = false;
    QList<qint32> percents;
    qint64 lastDone = 0, lastTotal = -1;
    QObject::connect(&*m_job, &CdToMp3Job::ripStarted, [&](quint8 track, const QString &wav) {
        EXPECT_EQ(track, 2);
        wavSeen = wav;
    });
    QObject::connect(&*m_job, &CdToMp3Job::ripProgress, [&](quint8, qint32 percent) {
        percents << percent;
        wavExisted = QFile::exists(wavSeen);
    });
    QObject::connect(&*m_job, &CdToMp3Job::encodeProgress, [&](quint8, qint64 done, qint64 total) {
        lastDone = done;
        lastTotal = total;
    });
    const CdToMp3Job::Result result = m_job->run();
    ASSERT_EQ(result.outcome, CdToMp3Job::Outcome::Done) << qPrintable(result.error);
    EXPECT_EQ(result.files, QStringList{path("out.mp3")});
    EXPECT_TRUE(wavSeen.startsWith(m_temp.path() + QLatin1Char('/'))) << qPrintable(wavSeen);
    EXPECT_TRUE(wavExisted);
    EXPECT_TRUE(leftInTemp().isEmpty());
    EXPECT_EQ(percents.last(), 100);
    EXPECT_EQ(lastDone, lastTotal);
    EXPECT_EQ(lastTotal, kTracks[1].sectors * 588 * 2);
    EXPECT_EQ(files(), (QStringList{QStringLiteral("cdrip.ini"), QStringLiteral("disc.bin"),
                                    QStringLiteral("disc.cue"), QStringLiteral("out.mp3")}));
    expectTrack(path("out.mp3"), 1);
}

TEST_F(CdToMp3JobTest, SeveralTracksEachGetTheirOwnCompleteFile)
{
    m_job->setTracks({3, 1});
    const CdToMp3Job::Result result = m_job->run();
    ASSERT_EQ(result.outcome, CdToMp3Job::Outcome::Done) << qPrintable(result.error);
    EXPECT_EQ(result.files, (QStringList{path("out - Track 03.mp3"), path("out - Track 01.mp3")}));
    EXPECT_TRUE(leftInTemp().isEmpty());
    expectTrack(path("out - Track 01.mp3"), 0);
    expectTrack(path("out - Track 03.mp3"), 2);
}

TEST_F(CdToMp3JobTest, TheTemporaryWavGoesIntoTheFolderSet)
{
    QTemporaryDir work;
    m_job->setTemporaryFolder(work.path());
    m_job->setTracks({3});
    QString wavSeen;
    QObject::connect(&*m_job, &CdToMp3Job::ripStarted,
                     [&](quint8, const QString &wav) { wavSeen = wav; });
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done);
    EXPECT_EQ(QFileInfo(wavSeen).absolutePath(), work.path());
    EXPECT_TRUE(QDir(work.path()).isEmpty());

    m_job->setTemporaryFolder(work.filePath(QStringLiteral("missing")));
    m_job->setOutputFile(path("other.mp3"));
    const CdToMp3Job::Result result = m_job->run();
    EXPECT_EQ(result.outcome, CdToMp3Job::Outcome::Failed);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("Cannot create a temporary file in ")))
        << qPrintable(result.error);
    EXPECT_FALSE(QFile::exists(path("other.mp3")));
}

TEST_F(CdToMp3JobTest, WavOutputHoldsTheImagesAudioBytesExactly)
{
    m_job->setFormat(CdToMp3Job::Format::Wav);
    m_job->setOutputFile(path("t.wav"));
    m_job->setTracks({1, 2, 3});
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done);
    for (int i = 0; i < kTracks.size(); ++i) {
        const QByteArray wav =
            TestMedia::readFile(path("t - Track 0%1.wav").arg(i + 1).toUtf8().constData());
        ASSERT_GT(wav.size(), 46);
        EXPECT_TRUE(wav.mid(46) == TestDisc::trackAudio(kTracks, i)) << "track " << i + 1;
    }
}

TEST_F(CdToMp3JobTest, CancelWhileRippingOrEncodingLeavesNothingAndANewRunStartsAfresh)
{
    m_job->setTracks({1, 2});
    const QMetaObject::Connection onRip =
        QObject::connect(&*m_job, &CdToMp3Job::ripProgress, [&] { m_job->cancel(); });
    EXPECT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Cancelled);
    EXPECT_TRUE(leftInTemp().isEmpty());
    EXPECT_EQ(files().size(), 3) << qPrintable(files().join(QLatin1Char(',')));
    QObject::disconnect(onRip);

    const QMetaObject::Connection onEncode =
        QObject::connect(&*m_job, &CdToMp3Job::encodeProgress, [&] { m_job->cancel(); });
    EXPECT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Cancelled);
    EXPECT_TRUE(leftInTemp().isEmpty());
    EXPECT_EQ(files().size(), 3) << qPrintable(files().join(QLatin1Char(',')));
    QObject::disconnect(onEncode);

    const CdToMp3Job::Result result = m_job->run();
    EXPECT_EQ(result.outcome, CdToMp3Job::Outcome::Done) << "an earlier cancel does not stick";
    EXPECT_EQ(result.files.size(), 2);
}

TEST_F(CdToMp3JobTest, ExistingOutputsAreRefusedUnlessReplacingAndErrorsAreReported)
{
    m_job->setTracks({1, 2});
    TestMedia::writeFile(path("out - Track 02.mp3"), "keep me");
    CdToMp3Job::Result result = m_job->run();
    EXPECT_EQ(result.outcome, CdToMp3Job::Outcome::Failed);
    EXPECT_TRUE(result.error.endsWith(QStringLiteral("out - Track 02.mp3 already exists")))
        << qPrintable(result.error);
    EXPECT_FALSE(QFile::exists(path("out - Track 01.mp3"))) << "nothing is written";
    EXPECT_EQ(TestMedia::readFile(path("out - Track 02.mp3")), QByteArray("keep me"));

    m_job->setReplaceExisting(true);
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done);
    expectTrack(path("out - Track 02.mp3"), 1);

    m_job->setOutputFile(path("missing/folder/x.mp3"));
    result = m_job->run();
    EXPECT_EQ(result.outcome, CdToMp3Job::Outcome::Failed);
    EXPECT_TRUE(result.error.contains(QStringLiteral("error 2987"))) << qPrintable(result.error);
    EXPECT_TRUE(leftInTemp().isEmpty());

    m_job->setTracks({4});
    EXPECT_EQ(m_job->run().error, QStringLiteral("No such track"));
    m_job->setTracks({});
    EXPECT_EQ(m_job->run().error, QStringLiteral("No track selected"));
}
