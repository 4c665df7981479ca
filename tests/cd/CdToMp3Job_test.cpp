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
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        m_rip.Create(path("cdrip.ini"));
        m_toc.emplace(m_rip.CDDrive(1).TOC());
        m_job.emplace(*m_toc, m_encoder);
        m_job->setOutputFile(path("out.mp3"));
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    // Files beside the image but its own, and anything in the temporary folder.
    QStringList left() const
    {
        QStringList names = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const char *own : {"cdrip.ini", "disc.bin", "disc.cue"})
            names.removeAll(QLatin1String(own));
        return names + QDir(m_temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
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
    const QList<std::tuple<const char *, quint8, bool, const char *>> cases = {
        {"/m/a.mp3", 7, false, "/m/a.mp3"},
        {"/m/a.mp3", 7, true, "/m/a - Track 07.mp3"},
        {"/m/a.b.MP3", 12, true, "/m/a.b - Track 12.MP3"},
        {"/m/a.wav", 1, true, "/m/a - Track 01.wav"},
        {"/m/album", 3, true, "/m/album - Track 03"},
        {"/m/%N-x.mp3", 3, false, "/m/03-x.mp3"}};
    for (const auto &[chosen, track, several, file] : cases)
        EXPECT_EQ(CdToMp3Job::OutputFileFor(QLatin1String(chosen), track, several),
                  QLatin1String(file));
}

TEST_F(CdToMp3JobTest, TracksBecomeTheirFilesAndTheTemporaryWavGoes)
{
    QString wav;
    QList<qint64> last;
    QObject::connect(&*m_job, &CdToMp3Job::ripStarted, [&](quint8, const QString &w) { wav = w; });
    QObject::connect(&*m_job, &CdToMp3Job::encodeProgress, [&](quint8, qint64 done, qint64 total) {
        last = {done, total};
    });
    m_job->setTracks({2});
    ASSERT_EQ(m_job->run().files, QStringList{path("out.mp3")});
    EXPECT_EQ(QFileInfo(wav).absolutePath(), m_temp.path());
    EXPECT_EQ(last, (QList<qint64>{kTracks[1].sectors * 1176, kTracks[1].sectors * 1176}));
    expectTrack(path("out.mp3"), 1);
    m_job->setTracks({3, 1});
    ASSERT_EQ(m_job->run().files,
              (QStringList{path("out - Track 03.mp3"), path("out - Track 01.mp3")}));
    expectTrack(path("out - Track 01.mp3"), 0);
    expectTrack(path("out - Track 03.mp3"), 2);
    EXPECT_EQ(left().size(), 3) << qPrintable(left().join(QLatin1Char(',')));
}

TEST_F(CdToMp3JobTest, WavOutputHoldsTheImagesAudioBytesExactly)
{
    m_job->setFormat(CdToMp3Job::Format::Wav);
    m_job->setOutputFile(path("t.wav"));
    m_job->setTracks({1, 2, 3});
    ASSERT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Done);
    for (int i = 0; i < kTracks.size(); ++i) {
        const QByteArray wav = TestMedia::readFile(path("t - Track 0%1.wav").arg(i + 1));
        ASSERT_GT(wav.size(), 46);
        EXPECT_TRUE(wav.mid(46) == TestDisc::trackAudio(kTracks, i)) << "track " << i + 1;
    }
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
    // A cancel while ripping, then one while encoding: the old file stays whole, nothing is left.
    const auto cancelOn = [&](auto signal) {
        const auto connection = QObject::connect(&*m_job, signal, [&] { m_job->cancel(); });
        EXPECT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Cancelled);
        QObject::disconnect(connection);
        EXPECT_EQ(TestMedia::readFile(path("out - Track 01.mp3")), QByteArray("agreed"));
        EXPECT_EQ(left(), (QStringList{"out - Track 01.mp3", "out - Track 02.mp3"}));
    };
    cancelOn(&CdToMp3Job::ripProgress);
    cancelOn(&CdToMp3Job::encodeProgress);
    ASSERT_TRUE(QFile::resize(path("disc.bin"), 2352 * 100)); // track 1 broken off
    EXPECT_EQ(m_job->run().outcome, CdToMp3Job::Outcome::Failed);
    EXPECT_EQ(TestMedia::readFile(path("out - Track 01.mp3")), QByteArray("agreed"));

    ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
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
        {{1},
         path("missing/a.mp3"),
         "Unable to open file for writing (error 29872, tavro.lameConvert)"}};
    for (const auto &[tracks, output, error] : cases) {
        m_job->setTracks(tracks);
        m_job->setOutputFile(output);
        const CdToMp3Job::Result result = m_job->run();
        EXPECT_EQ(result.outcome, CdToMp3Job::Outcome::Failed);
        EXPECT_EQ(result.error, error);
        EXPECT_TRUE(left().isEmpty()) << qPrintable(left().join(QLatin1Char(',')));
    }
}
