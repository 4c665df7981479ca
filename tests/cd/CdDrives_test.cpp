#include <stdexcept>

#include <gtest/gtest.h>

#include "CdDrives.h"
#include "CdRipErrors.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"
#include "TrackRipper.h"

// The classes over the ripping library: drives, tables of contents, the track ripper, errors.
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
