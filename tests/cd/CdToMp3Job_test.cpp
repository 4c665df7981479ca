#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "CdDrives.h"
#include "CdToMp3Job.h"
#include "DecodedMp3.h"
#include "FileNameCodec.h"
#include "TempFolderTest.h"
#include "TestDisc.h"
#include "TestMedia.h"
#include "WavToMp3Encoder.h"

namespace {
const QList<TestDisc::Track> kTracks = {{75 * 2 + 37, 440}, {75 * 3 + 1, 660}, {150 + 74, 1000}};

// A job over a disc image; outputs go to the test's folder, temporary files to its "tmp".
class CdToMp3JobTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        ASSERT_TRUE(TestDisc::write(m_disc.filePath("disc.cue"), kTracks));
        ASSERT_TRUE(
            TestDisc::writeSettings(m_disc.filePath("cdrip.ini"), {m_disc.filePath("disc.cue")}));
        m_rip.Create(m_disc.filePath("cdrip.ini"));
        m_job.emplace(m_rip.CDDrive(1).TOC(), m_encoder);
        m_job->setOutputFile(path("out.mp3"));
    }
    QString left() const { return leftovers().join(','); }
    static void expectTrack(const QString &mp3, int index)
    {
        const DecodedMp3 decoded = DecodedMp3::decode(mp3);
        EXPECT_EQ(decoded.frames, kTracks[index].sectors * 588) << qPrintable(mp3);
        EXPECT_NEAR(decoded.frequency(), kTracks[index].frequency, kTracks[index].frequency * 0.02);
    }

    QTemporaryDir m_disc;
    CdDrives m_rip;
    WavToMp3Encoder m_encoder;
    std::optional<CdToMp3Job> m_job;
};
} // namespace

TEST(CdToMp3JobNames, OneTrackKeepsTheNameSeveralGetTheirNumber)
{
    const QList<std::tuple<const char *, quint8, bool, const char *>> cases = {
        {"/m/a.mp3", 7, false, "/m/a.mp3"},
        {"/m/a.mp3", 7, true, "/m/a - Track 07.mp3"},
        {"/m/a.b.MP3", 12, true, "/m/a.b - Track 12.MP3"},
        {"/m/a.wav", 1, true, "/m/a - Track 01.wav"},
        {"/m/album", 3, true, "/m/album - Track 03"},
        {"/m/%N-x.mp3", 3, false, "/m/03-x.mp3"},
        {"/m/caf\xe9.mp3", 2, true, "/m/caf\xe9 - Track 02.mp3"}}; // bytes of a Latin-1 name
    for (const auto &[chosen, track, several, file] : cases)
        EXPECT_EQ(FileNameCodec::encode(
                      CdToMp3Job::OutputFileFor(FileNameCodec::decode(chosen), track, several)),
                  QByteArray(file));
}

TEST_F(CdToMp3JobTest, EachTrackBecomesItsOwnFileAndTheTemporaryWavGoes)
{
    m_job->setTracks({3, 1});
    ASSERT_EQ(m_job->run().files,
              (QStringList{path("out - Track 03.mp3"), path("out - Track 01.mp3")}));
    expectTrack(path("out - Track 01.mp3"), 0);
    expectTrack(path("out - Track 03.mp3"), 2);

    m_job->setFormat(CdToMp3Job::Format::Wav);
    m_job->setOutputFile(path("t%N.wav"));
    m_job->setTracks({1, 2, 3});
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done);
    for (int i = 0; i < kTracks.size(); ++i)
        EXPECT_TRUE(TestMedia::readFile(path("t0%1.wav").arg(i + 1)).mid(46) ==
                    TestDisc::trackAudio(kTracks, i))
            << "track " << i + 1;
    EXPECT_EQ(left(), "out - Track 01.mp3,out - Track 03.mp3,t01.wav,t02.wav,t03.wav");
}

TEST_F(CdToMp3JobTest, SeveralEncodersMakeTheSameFilesAndTheFirstErrorStopsTheRest)
{
    m_job->setTracks({1, 2, 3});
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done);
    m_job->setJobs(3);
    m_job->setOutputFile(path("par %N.mp3"));
    int elsewhere = 0;
    QObject::connect(&*m_job, &CdToMp3Job::encodeProgress, [&](quint8, qint64 done, qint64 all) {
        elsewhere += QThread::currentThread() != m_job->thread();
        // A slow receiver: the encoders end while it holds a report, and what they report
        // meanwhile must still come.
        if (done == all)
            QThread::msleep(50);
    });
    const CdToMp3Job::Result result = m_job->run();
    EXPECT_EQ(result.files,
              (QStringList{path("par 01.mp3"), path("par 02.mp3"), path("par 03.mp3")}));
    for (int track = 1; track <= 3; ++track)
        EXPECT_TRUE(TestMedia::readFile(path("par 0%1.mp3").arg(track)) ==
                    TestMedia::readFile(path("out - Track 0%1.mp3").arg(track)))
            << "track " << track;
    EXPECT_EQ(elsewhere, 0) << "every signal comes on the thread that runs the job";

    // Track 3 cannot be written: the run fails naming it, stops the encoders, and leaves only
    // files that were complete.
    ASSERT_TRUE(QDir(m_dir.path()).mkpath("d01") && QDir(m_dir.path()).mkpath("d02"));
    m_job->setOutputFile(path("d%N/x.mp3"));
    const CdToMp3Job::Result broken = m_job->run();
    EXPECT_EQ(broken.outcome, CdToMp3Job::Outcome::Failed);
    EXPECT_EQ(broken.error, "Cannot write " + path("d03/x.mp3"));
    for (const QString &done : broken.files)
        expectTrack(done, done.contains("d01") ? 0 : 1);
    const QStringList left = QDir(m_dir.path()).entryList({"d0*"}, QDir::Dirs) +
                             QDir(path("tmp")).entryList(QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, (QStringList{"d01", "d02"}));
    EXPECT_EQ(QDir(path("d01")).count() + QDir(path("d02")).count() - 4, broken.files.size());
}

TEST_F(CdToMp3JobTest, AReplaceableFileIsReplacedOnlyByACompleteRunAndNoOtherEver)
{
    TestMedia::writeFile(path("out - Track 01.mp3"), "agreed");
    TestMedia::writeFile(path("out - Track 02.mp3"), "not agreed");
    m_job->setTracks({1, 2});
    m_job->setReplaceable({path("out - Track 01.mp3")});
    EXPECT_EQ(m_job->run().error, path("out - Track 02.mp3") + QStringLiteral(" already exists"));
    EXPECT_EQ(TestMedia::readFile(path("out - Track 01.mp3")), QByteArray("agreed"));

    m_job->setTracks({1});
    m_job->setOutputFile(path("out - Track 01.mp3"));
    // A cancel while ripping, one while encoding, a disc that breaks off: the old file stays
    // whole and nothing else is left.
    const auto expectKept = [&](CdToMp3Job::Outcome outcome) {
        EXPECT_EQ(m_job->run().outcome, outcome);
        EXPECT_EQ(TestMedia::readFile(path("out - Track 01.mp3")), QByteArray("agreed"));
        EXPECT_EQ(left(), "out - Track 01.mp3,out - Track 02.mp3");
    };
    const auto cancelOn = [&](auto signal) {
        const auto connection = QObject::connect(&*m_job, signal, [&] { m_job->cancel(); });
        expectKept(CdToMp3Job::Outcome::Cancelled);
        QObject::disconnect(connection);
    };
    cancelOn(&CdToMp3Job::ripProgress);
    cancelOn(&CdToMp3Job::encodeProgress);
    ASSERT_TRUE(QFile::resize(m_disc.filePath("disc.bin"), 2352 * 100));
    expectKept(CdToMp3Job::Outcome::Failed);

    ASSERT_TRUE(TestDisc::write(m_disc.filePath("disc.cue"), kTracks));
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done) << "a cancel does not stick";
    expectTrack(path("out - Track 01.mp3"), 0);
    EXPECT_EQ(TestMedia::readFile(path("out - Track 02.mp3")), QByteArray("not agreed"));
}

TEST_F(CdToMp3JobTest, RunsThatCannotBeDoneSayWhyAndLeaveNothing)
{
    const QList<std::tuple<QList<qint32>, QString, QString>> cases = {
        {{}, path("a.mp3"), "No track selected"},
        {{1, 4}, path("a.mp3"), "No such track"},
        {{1}, " ", "No output file chosen"},
        {{2, 2}, path("a.mp3"), "Several tracks would go to one file"},
        {{1}, path("missing/a.mp3"), "Cannot write " + path("missing/a.mp3")}};
    for (const auto &[tracks, output, error] : cases) {
        m_job->setTracks(tracks);
        m_job->setOutputFile(output);
        const CdToMp3Job::Result result = m_job->run();
        EXPECT_EQ(result.outcome, CdToMp3Job::Outcome::Failed);
        EXPECT_EQ(result.error, error);
        EXPECT_EQ(left(), QString());
    }
    const QString notAFolder = m_disc.filePath("cdrip.ini");
    qputenv("TMPDIR", QFile::encodeName(notAFolder));
    EXPECT_EQ(m_job->run().error,
              QStringLiteral("Cannot create a temporary file in ") + notAFolder);
}
