#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>

#include "CdToMp3Run.h"
#include "EncoderRunTexts.h"
#include "FakeRipLibrary.h"
#include "TestMedia.h"

namespace {
// A fake drive with a disc of two short silent tracks; a run's ripping waits at each chunk for a
// permit of the gate.
class CdToMp3RunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
        m_library->drives = {FakeRipLibrary::record("fake")};
        m_library->tocStarts = {0, 30, 50};
        m_library->chunks = FakeRipLibrary::track(30) + FakeRipLibrary::track(20);
        m_library->percent = 100;
        m_library->gate = &m_gate;
        m_gate.release(50);
    }
    void TearDown() override { qunsetenv("TMPDIR"); }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    void list()
    {
        QString error;
        ASSERT_EQ(m_run->loadDrives(error), QStringList{"fake"});
        ASSERT_TRUE(m_run->listDisc(0).row.isEmpty());
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
        CdToMp3Run::Report last;
        const auto keep = QObject::connect(&*m_run, &CdToMp3Run::finished,
                                           [&](const CdToMp3Run::Report &r) { last = r; });
        QSignalSpy finished(&*m_run, &CdToMp3Run::finished);
        m_gate.release(50);
        EXPECT_TRUE(finished.wait(60000));
        QObject::disconnect(keep);
        EXPECT_FALSE(m_run->isRunning());
        return last;
    }
    QStringList left() const
    {
        return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden) +
               QDir(m_temp.path()).entryList(QDir::Files | QDir::Hidden);
    }

    QTemporaryDir m_dir;
    QTemporaryDir m_temp;
    QSemaphore m_gate;
    std::shared_ptr<FakeRipLibrary> m_library = std::make_shared<FakeRipLibrary>();
    std::optional<CdToMp3Run> m_run{std::in_place, m_library};
};
} // namespace

TEST_F(CdToMp3RunTest, WithoutADiscItSaysWhyAndStartsNothing)
{
    QString error;
    m_library->initResult = CR_FILE_OPEN_ERROR;
    EXPECT_TRUE(m_run->loadDrives(error).isEmpty());
    EXPECT_EQ(error, "CDRip File Open Error (error 29502, tavro.cCDDriveRip_Create)");
    m_library->initResult = CR_OK;
    const auto expectNoDisc = [&](qint32 drive, const char *row, const char *error,
                                  const char *why) {
        const CdToMp3Run::Listing listing = m_run->listDisc(drive);
        EXPECT_EQ(listing.row + listing.error, QLatin1String(row) + QLatin1String(error));
        EXPECT_EQ(m_run->disc(), nullptr);
        EXPECT_EQ(m_run->start(drive, {1}, path("a.mp3"), {}), QLatin1String(why));
    };
    const char *noDrive = "CDRip Error (error 29501, tavro.cCDDriveInfo.fInit)";
    expectNoDisc(-1, "No CD Selected", "", "No CD Selected");
    expectNoDisc(1, "", noDrive, noDrive);
    m_library->readTocResult = CR_ERROR;
    expectNoDisc(0, "", "CDRip Error (error 29501, tavro.cCDToc.fInit)", "No CD Selected");
    m_library->unitReady = false;
    expectNoDisc(0, "No CD In Drive", "", "No CD In Drive");
    m_library->readTocResult = CR_OK;
    m_library->unitReady = true;
    list();
    m_library->unitReady = false; // taken out after listing
    EXPECT_EQ(m_run->start(0, {1}, path("a.mp3"), {}), QStringLiteral("No CD In Drive"));
    EXPECT_FALSE(m_run->isRunning());
    EXPECT_TRUE(left().isEmpty());
}

TEST_F(CdToMp3RunTest, ARunReportsEachStepInOrderOnItsOwnThreadAndTouchesNothingElse)
{
    list();
    QStringList events, statuses;
    QString percent;
    const auto note = [&](const QString &event) {
        EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
        if (events.isEmpty() || events.last() != event)
            events << event;
    };
    CdToMp3Run &run = *m_run;
    QObject::connect(&run, &CdToMp3Run::ripStarted, [&] { note("rip"); });
    QObject::connect(&run, &CdToMp3Run::ripProgress, [&](qint32 p) { note(QString::number(p)); });
    QObject::connect(&run, &CdToMp3Run::statusChanged, [&](const QString &text) {
        note("status");
        statuses << text;
    });
    QObject::connect(&run, &CdToMp3Run::encodingStarted, [&] { note("encode"); });
    QObject::connect(&run, &CdToMp3Run::encodeProgress,
                     [&](qint64, qint64, const QString &text) {
                         note("%");
                         percent = text;
                     });
    QObject::connect(&run, &CdToMp3Run::trackFinished,
                     [&](quint8, const QString &file) { note(file); });
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
    const QStringList step = {"rip", "status", "100", "status", "encode", "%"};
    EXPECT_EQ(events.join(u',').toStdString(),
              (step + QStringList{files[0]} + step + QStringList{files[1]}).join(u',').toStdString());
    EXPECT_EQ(percent, EncoderRunTexts::EncodingProgress(1, 1));
    EXPECT_TRUE(statuses.value(0).startsWith("Ripping track 2  to " + m_temp.path() + "/tavro-rip-"))
        << qPrintable(statuses.value(0));
    EXPECT_EQ(statuses.value(3), QStringLiteral("Temporary wave file has been generated for track 1"));
    EXPECT_EQ(done.outcome, CdToMp3Job::Outcome::Done);
    EXPECT_TRUE(done.status.isEmpty());
    EXPECT_TRUE(done.wavMade);
    EXPECT_EQ(done.files, files);
    const qint64 bytes = QFileInfo(files[0]).size() + QFileInfo(files[1]).size();
    EXPECT_EQ(done.newSize, EncoderRunTexts::NewSize(bytes));
    EXPECT_EQ(TestMedia::readFile(files[0]).mid(36, 4), QByteArray("Info"));
    EXPECT_EQ(left().size(), 2) << qPrintable(left().join(QLatin1Char(',')));
}

TEST_F(CdToMp3RunTest, ACancelOrAFailureEndsTheRunWithItsStatusAndLeavesNothing)
{
    list();
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
    EXPECT_EQ(failed.status, QStringLiteral("CDRip Error (error 29501, tavro.cCDTrackRipper.Read)"));
    EXPECT_TRUE(left().isEmpty());
}

TEST_F(CdToMp3RunTest, DestroyingItDuringARunEndsTheWorker)
{
    list();
    startAndHold({1, 2});
    m_gate.release(50);
    m_run.reset(); // a thread still running here would abort the test
    EXPECT_TRUE(QDir(m_temp.path()).isEmpty());
}
