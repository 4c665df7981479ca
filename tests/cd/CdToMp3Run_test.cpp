#include <stdexcept>

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include "CdDrives.h"
#include "CdRipErrors.h"
#include "CdToMp3Run.h"
#include "EncoderRunTexts.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"
#include "TempFolderTest.h"
#include "TestMedia.h"
#include "TrackRipper.h"

// The classes over a fake ripping library: drives, tables of contents, the track ripper, errors,
// and the window's run over them.
namespace {
// Fake drives "a" and "b", both holding a disc with these track starts and lead-out.
struct FakeDisc {
    std::shared_ptr<FakeRipLibrary> library = std::make_shared<FakeRipLibrary>();
    CdDrives rip{library};

    explicit FakeDisc(std::vector<qint32> starts = {0, 100, 250}, CDEX_ERR readToc = CR_OK)
    {
        library->drives = {FakeRipLibrary::record("a"), FakeRipLibrary::record("b")};
        library->tocStarts = std::move(starts);
        library->readTocResult = readToc;
    }
    DiscToc toc(qint32 drive = 1)
    {
        rip.Create(QStringLiteral("cdrip.ini"));
        return rip.CDDrive(drive).TOC();
    }
};

QByteArray readAll(TrackRipper &ripper)
{
    QByteArray got;
    while (ripper.Read())
        got += QByteArray(reinterpret_cast<const char *>(ripper.ReadBufferPtr()),
                          ripper.ReadBufferSize());
    return got;
}
} // namespace

TEST(RaiseRipError, NumbersSourcesAndDescriptions)
{
    for (const auto &[code, library] : {std::pair{0, true}, {0, false}, {4, true}}) // 4: range done
        EXPECT_NO_THROW(CdRipErrors::RaiseRipError(QStringLiteral("x.Op"), code, library));
    const QList<std::tuple<int, bool, const char *>> cases = {
        {1, true, "CDRip Error"},
        {2, true, "CDRip File Open Error"},
        {-1, true, "CDRip Jitter Error"},
        {3, true, ""},
        {1, false, "CDRip Not Initialised."},
        {4, false, ""},
        {7, false, "Failed to create memory buffer to read CD to."}};
    for (const auto &[code, library, description] : cases)
        expectRaised([&] { CdRipErrors::RaiseRipError(QStringLiteral("x.Op"), code, library); },
                     29500 + code, "tavro.x.Op", description);
}

TEST(CdDrives, CountsDrivesOnlyOnceStartedAndHandsThemOutFromOne)
{
    FakeDisc disc;
    CdDrives &rip = disc.rip;
    expectRaised([&] { rip.CDDriveCount(); }, 29501, "tavro.cCDDriveRip.CDDriveCount",
                 "CDRip Not Initialised.");
    disc.library->initResult = CR_FILE_OPEN_ERROR;
    expectRaised([&] { rip.Create(QStringLiteral("/x/cdrip.ini")); }, 29502,
                 "tavro.cCDDriveRip_Create", "CDRip File Open Error");
    EXPECT_THROW(rip.CDDriveCount(), RaisedError);
    disc.library->initResult = CR_OK;
    rip.Create(QStringLiteral("/x/cdrip.ini"));
    disc.library->initResult = CR_ERROR;
    EXPECT_NO_THROW(rip.Create(QStringLiteral("/x/cdrip.ini"))) << "started: later calls pass";

    EXPECT_EQ(rip.CDDriveCount(), 2);
    EXPECT_EQ(rip.CDDrive(2).Name(), QStringLiteral("b"));
    CdDrive first = rip.CDDrive(1);
    EXPECT_EQ(first.Name(), QStringLiteral("a"));
    expectRaised([&] { rip.CDDrive(3); }, 29501, "tavro.cCDDriveInfo.fInit", "CDRip Error");
    EXPECT_TRUE(first.IsUnitReady());
    disc.library->unitReady = false;
    EXPECT_FALSE(first.IsUnitReady());
}

TEST(DiscToc, TimesSizesIdsAndQueriesOfKnownDiscs)
{
    // Digit sums of the start seconds 999, 1899, 1989, 1998 and 2799 are 5 x 27 = 0x87: the
    // id's top bit is set; the lead-out at 2800 s gives 2800 - 999 = 0x709.
    std::vector<qint32> topBit;
    for (const int seconds : {999, 1899, 1989, 1998, 2799, 2800})
        topBit.push_back(seconds * 75 - 150);
    // Tracks of 1 sector, 74 frames, 1 frame and 1 h 2 min 3 s 37 frames.
    const int hour = 4500 * 60, longest = 4500 * 62 + 75 * 3 + 37;
    const std::vector<qint32> odd = {0, 1, 75, 76, 76 + longest};
    const char *oddQuery = "cddb query a0e8c04 4 150 151 225 226 3726";
    const QList<std::tuple<std::vector<qint32>, int, const char *, qint64, const char *>> cases = {
        {{0, hour}, 1, "0:02.00 60:00.00", hour * 2352LL, "cddb query 20e1001 1 150 3602"},
        {odd, 1, "0:02.00 0:00.01", 2352, oddQuery},
        {odd, 2, "0:02.01 0:00.59", 74 * 2352, oddQuery},
        {odd, 4, "0:03.01 62:03.30", longest * 2352LL, oddQuery},
        {topBit, 1, "16:39.00 15:00.00", 67500 * 2352LL,
         "cddb query 87070905 5 74925 142425 149175 149850 209925 2800"}};
    for (const auto &[starts, track, times, bytes, query] : cases) {
        const DiscToc toc = FakeDisc(starts).toc();
        const DiscTocEntry &entry = toc.Entry(track);
        EXPECT_EQ((entry.FormattedStartTime() + ' ' + entry.FormattedLength()).toStdString(),
                  times);
        EXPECT_EQ(entry.SizeBytes(), bytes) << times;
        EXPECT_EQ(toc.CDDBQuery().toStdString(), query);
        EXPECT_THROW(toc.Entry(0), std::out_of_range);
        EXPECT_THROW(toc.Entry(toc.Count() + 1), std::out_of_range);
    }
    EXPECT_EQ(FakeDisc({0}).toc().Count(), 0); // a lead-out only
    expectRaised(
        [] {
            FakeDisc({0, 100}, CR_ERROR).toc();
        },
        29501, "tavro.cCDToc.fInit", "CDRip Error");
}

TEST(TrackRipper, ReadsTheTracksSectorsOnItsDriveUntilTheRangeIsDone)
{
    FakeDisc disc;
    TrackRipper ripper(disc.library);
    EXPECT_FALSE(ripper.Read()) << "not open";
    EXPECT_EQ(ripper.ReadBufferPtr(), nullptr);
    ripper.CreateForTrack(disc.toc(2).Entry(2));
    disc.library->CR_SetActiveCDROM(0);
    disc.library->chunks = {
        {CR_OK, "abcd"}, {CR_REPAIRED, "ef"}, {CR_SKIPPED, "g"}, {CR_RANGE_DONE, "xyz"}};
    disc.library->percent = 40;
    ASSERT_TRUE(ripper.OpenRipper());
    EXPECT_EQ(disc.library->openedDrive, 1) << "the track's drive is selected";
    EXPECT_EQ(disc.library->openedStart, 100);
    EXPECT_EQ(disc.library->openedEnd, 250);
    EXPECT_EQ(readAll(ripper), QByteArray("abcdefgxyz"));
    EXPECT_EQ(ripper.PercentComplete(), 40);
    EXPECT_TRUE(ripper.CloseRipper()) << "closed by the last chunk already";
    EXPECT_EQ(disc.library->closeCalls, 1);
}

TEST(TrackRipper, FailuresRaiseOrStopTheRunAndCloseIt)
{
    FakeDisc disc;
    FakeRipLibrary &library = *disc.library;
    TrackRipper ripper(disc.library);
    ripper.CreateForTrack(disc.toc().Entry(1));
    for (const qint32 size : {0, 1, 65 * 1024 * 1024}) { // buffers no library needs
        library.chunkSize = size;
        expectRaised([&] { ripper.OpenRipper(); }, 29507, "tavro.cCDTrackRipper.CreateBuffer",
                     "Failed to create memory buffer to read CD to.");
    }
    EXPECT_EQ(library.closeCalls, 3) << "the library's run is closed again";
    library.chunkSize = 4;
    library.openResult = CR_FILE_OPEN_ERROR;
    expectRaised([&] { ripper.OpenRipper(); }, 29502, "tavro.cCDTrackRipper.OpenRipper",
                 "CDRip File Open Error");
    library.openResult = CR_RANGE_DONE;
    EXPECT_FALSE(ripper.OpenRipper());
    library.openResult = CR_OK;
    // A jitter code ends the reading; a chunk claimed larger than the buffer is cut to it.
    library.chunks = {{CR_OK, "0123456789"}, {CR_JITTER_ERROR, ""}};
    ASSERT_TRUE(ripper.OpenRipper());
    EXPECT_EQ(readAll(ripper), QByteArray("0123"));
    for (const CDEX_ERR code : {CR_ERROR, CR_FILE_OPEN_ERROR}) {
        library.chunks = {{code, ""}};
        ASSERT_TRUE(ripper.OpenRipper());
        expectRaised([&] { ripper.Read(); }, 29500 + code, "tavro.cCDTrackRipper.Read",
                     code == CR_ERROR ? "CDRip Error" : "CDRip File Open Error");
        EXPECT_FALSE(ripper.Read()) << "closed by the failure";
    }
    EXPECT_EQ(library.closeCalls, 6) << "the jitter run, then each failed one";
}

namespace {
// A fake drive with a disc of two short silent tracks; a run's ripping waits at each chunk for a
// permit of the gate.
class CdToMp3RunTest : public TempFolderTest {
protected:
    void SetUp() override
    {
        TempFolderTest::SetUp();
        setEncoders(1);
        m_library->drives = {FakeRipLibrary::record("fake")};
        m_library->tocStarts = {0, 30, 50};
        m_library->chunks = FakeRipLibrary::track(30) + FakeRipLibrary::track(20);
        m_library->percent = 100;
        m_library->gate = &m_gate;
        m_gate.release(50);
        QString error;
        ASSERT_EQ(m_run->loadDrives(error), QStringList{"fake"});
        ASSERT_TRUE(m_run->listDisc(0).row.isEmpty());
    }
    void TearDown() override
    {
        m_gate.release(1 << 20); // a run a failed check left held
        TempFolderTest::TearDown();
        qunsetenv("TAVRO_CDRIP_INI");
    }
    // The encoders a run starts with, from the settings file.
    void setEncoders(int jobs)
    {
        const QString settings = m_config.filePath("cdrip.ini");
        TestMedia::writeFile(settings, "[Ripping]\nEncoderJobs=" + QByteArray::number(jobs));
        qputenv("TAVRO_CDRIP_INI", QFile::encodeName(settings));
    }

    // Starts a run of these tracks into out.mp3 and waits until it rips, holding it there.
    void startAndHold(const QList<qint32> &positions)
    {
        m_gate.acquire(m_gate.available());
        QSignalSpy ripping(&*m_run, &CdToMp3Run::ripStarted);
        ASSERT_EQ(m_run->start(0, positions, path("out.mp3"), {}), QString());
        ASSERT_TRUE(ripping.wait(60000));
    }
    CdToMp3Run::Report releaseAndWait()
    {
        QSignalSpy finished(&*m_run, &CdToMp3Run::finished);
        m_gate.release(50);
        EXPECT_TRUE(finished.wait(60000));
        EXPECT_FALSE(m_run->isRunning());
        return finished.value(0).value(0).value<CdToMp3Run::Report>();
    }
    QStringList left() const { return leftovers(); }

    QTemporaryDir m_config;
    QSemaphore m_gate;
    std::shared_ptr<FakeRipLibrary> m_library = std::make_shared<FakeRipLibrary>();
    std::optional<CdToMp3Run> m_run{std::in_place, m_library};
};
} // namespace

TEST_F(CdToMp3RunTest, WithoutADiscItSaysWhyAndStartsNothing)
{
    m_library->unitReady = false; // the listed disc taken out
    EXPECT_EQ(m_run->start(0, {1}, path("a.mp3"), {}), QStringLiteral("No CD In Drive"));
    const auto expectNoDisc = [&](qint32 drive, const char *row, const char *error,
                                  const char *why) {
        const CdToMp3Run::Listing listing = m_run->listDisc(drive);
        EXPECT_EQ(listing.row + listing.error, QLatin1String(row) + QLatin1String(error));
        EXPECT_EQ(m_run->disc(), nullptr);
        EXPECT_EQ(m_run->start(drive, {1}, path("a.mp3"), {}), QLatin1String(why));
    };
    expectNoDisc(0, "No CD In Drive", "", "No CD In Drive");
    m_library->unitReady = true;
    expectNoDisc(-1, "No CD Selected", "", "No CD Selected");
    const char *noDrive = "CDRip Error (error 29501, tavro.cCDDriveInfo.fInit)";
    expectNoDisc(1, "", noDrive, noDrive);
    m_library->readTocResult = CR_ERROR;
    expectNoDisc(0, "", "CDRip Error (error 29501, tavro.cCDToc.fInit)", "No CD Selected");
    EXPECT_FALSE(m_run->isRunning());
    EXPECT_TRUE(left().isEmpty());

    CdToMp3Run unstarted(m_library);
    m_library->initResult = CR_FILE_OPEN_ERROR;
    QString error;
    EXPECT_TRUE(unstarted.loadDrives(error).isEmpty());
    EXPECT_EQ(error, "CDRip File Open Error (error 29502, tavro.cCDDriveRip_Create)");
}

TEST_F(CdToMp3RunTest, ARunReportsEachStepInOrderOnItsOwnThreadAndTouchesNothingElse)
{
    QStringList events; // repeats of one event count once
    const auto note = [&](const QString &event) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        if (events.value(events.size() - 1) != event)
            events << event;
    };
    CdToMp3Run &run = *m_run;
    QObject::connect(&run, &CdToMp3Run::ripStarted, [&] { note("rip"); });
    QObject::connect(&run, &CdToMp3Run::ripProgress, [&](qint32 p) { note(QString::number(p)); });
    QObject::connect(&run, &CdToMp3Run::statusChanged, [&](QString text) {
        note(text.replace(QRegularExpression("tavro-rip-\\w+"), "tavro-rip-X"));
    });
    QObject::connect(&run, &CdToMp3Run::encodingStarted, [&] { note("encode"); });
    QObject::connect(
        &run, &CdToMp3Run::encodeProgress,
        [&](qint64 done, qint64 total, const QString &text) { note(done < total ? "%" : text); });
    QObject::connect(&run, &CdToMp3Run::trackFinished, [&](quint8, const QString &f) { note(f); });
    m_library->chunks = FakeRipLibrary::track(20) + FakeRipLibrary::track(30); // track 2 first
    run.setEncodingPreset(12); // CBR: an "Info" tag frame instead of the default's "Xing"
    startAndHold({2, 1, 2});
    const DiscToc *listed = run.disc();
    QString error;
    EXPECT_EQ(run.start(0, {1}, path("b.mp3"), {}), QStringLiteral("A run is going on"));
    EXPECT_TRUE(run.loadDrives(error).isEmpty());
    EXPECT_TRUE(run.listDisc(-1).row.isEmpty());
    EXPECT_EQ(run.disc(), listed);

    const CdToMp3Run::Report done = releaseAndWait();
    const QStringList files = {path("out - Track 02.mp3"), path("out - Track 01.mp3")};
    const auto steps = [&](int track, const QString &file) {
        return QStringLiteral(
                   "rip\nRipping track %1  to %2/tavro-rip-X.wav...\n100\nTemporary wave "
                   "file has been generated for track %1\nencode\n%\n Encoding "
                   "process is 100.0 %  completed \n%3\n")
            .arg(QString::number(track), path("tmp"), file);
    };
    EXPECT_EQ(events.join('\n').toStdString() + '\n',
              (steps(2, files[0]) + steps(1, files[1])).toStdString());
    EXPECT_EQ(done.outcome, CdToMp3Job::Outcome::Done);
    EXPECT_EQ(done.status + done.files.join(','), files.join(','));
    EXPECT_TRUE(done.wavMade);
    const qint64 bytes = QFileInfo(files[0]).size() + QFileInfo(files[1]).size();
    EXPECT_EQ(done.newSize,
              QString("New mp3 File Size  :  %1MB").arg(bytes / 1048576.0, 0, 'f', 2));
    EXPECT_EQ(TestMedia::readFile(files[0]).mid(36, 4), QByteArray("Info"));
    EXPECT_EQ(left().size(), 2) << qPrintable(left().join(','));
}

TEST_F(CdToMp3RunTest, WithSeveralEncodersTheBarsShowTheWholeRun)
{
    setEncoders(2);
    m_library->chunks = FakeRipLibrary::track(20) + FakeRipLibrary::track(30); // track 2 first
    QStringList shown;
    CdToMp3Run &run = *m_run;
    QObject::connect(&run, &CdToMp3Run::ripStarted, [&] { shown << "rip"; });
    QObject::connect(&run, &CdToMp3Run::encodingStarted, [&] { shown << "encode"; });
    QObject::connect(&run, &CdToMp3Run::ripProgress,
                     [&](qint32 p) { shown << QString::number(p); });
    qint64 lastTotal = 0;
    QObject::connect(&run, &CdToMp3Run::encodeProgress,
                     [&](qint64 done, qint64 total, const QString &text) {
                         lastTotal = total;
                         if (done == total)
                             shown << text;
                     });
    startAndHold({2, 1});
    EXPECT_EQ(releaseAndWait().outcome, CdToMp3Job::Outcome::Done);
    // Track 2 is 20 of the run's 50 sectors: its rip ends the ripping bar's first half.
    shown.removeDuplicates();
    EXPECT_EQ(shown, (QStringList{"rip", "50", "encode", "100",
                                  " Encoding process is 100.0 %  completed "}));
    EXPECT_EQ(lastTotal, 50 * 2352 / 2);
}

TEST_F(CdToMp3RunTest, ACancelOrAFailureEndsTheRunWithItsStatusAndLeavesNothing)
{
    startAndHold({1, 2});
    m_run->cancel();
    const CdToMp3Run::Report cancelled = releaseAndWait();
    EXPECT_EQ(cancelled.outcome, CdToMp3Job::Outcome::Cancelled);
    EXPECT_EQ(cancelled.status, QStringLiteral("Ripping process has been cancelled !"));
    EXPECT_TRUE(cancelled.wavMade);
    EXPECT_TRUE(cancelled.files.isEmpty());
    EXPECT_TRUE(left().isEmpty()) << qPrintable(left().join(QLatin1Char(',')));

    m_library->chunks = {{CR_OK, QByteArray(2352, '\0')}, {CR_ERROR, QByteArray()}};
    startAndHold({1});
    const CdToMp3Run::Report failed = releaseAndWait();
    EXPECT_EQ(failed.outcome, CdToMp3Job::Outcome::Failed);
    EXPECT_EQ(failed.status,
              QStringLiteral("CDRip Error (error 29501, tavro.cCDTrackRipper.Read)"));
    EXPECT_TRUE(left().isEmpty());
}

TEST_F(CdToMp3RunTest, DestroyingItDuringARunEndsTheWorker)
{
    startAndHold({1, 2});
    m_gate.release(50);
    m_run.reset(); // a thread still running here would abort the test
    EXPECT_TRUE(QDir(path("tmp")).isEmpty());
}

TEST(EncoderRunTexts, TimesSizesAndProgressAtTheirEdges)
{
    EXPECT_EQ(EncoderRunTexts::StartTime(QTime(9, 5, 3)), QStringLiteral(" 09 : 05 : 03 "));
    EXPECT_EQ(EncoderRunTexts::EndTime(QTime(23, 59, 0)), QStringLiteral("23:59:00"));
    EXPECT_EQ(EncoderRunTexts::Elapsed(25 * 3600 + 61), QStringLiteral(" 25 : 01 : 01 "));
    EXPECT_EQ(EncoderRunTexts::Elapsed(-5), QStringLiteral(" 00 : 00 : 00 ")); // clock set back
    EXPECT_EQ(EncoderRunTexts::NewSize(3690988), QStringLiteral("New mp3 File Size  :  3.52MB"));
    EXPECT_EQ(EncoderRunTexts::EncodingProgress(2, 3),
              QStringLiteral(" Encoding process is 66.7 %  completed "));
    EXPECT_EQ(EncoderRunTexts::EncodingProgress(0, 0),
              QStringLiteral(" Encoding process is 100.0 %  completed "));
}
