#include <gtest/gtest.h>

#include "CdDrives.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"
#include "TrackRipper.h"

namespace {
struct FakeTrack {
    std::shared_ptr<FakeRipLibrary> library = std::make_shared<FakeRipLibrary>();
    CdDrives rip{library};
    std::optional<DiscToc> toc;

    FakeTrack()
    {
        library->drives = {FakeRipLibrary::record("a"), FakeRipLibrary::record("b")};
        library->tocStarts = {0, 100, 250};
        rip.Create(QStringLiteral("cdrip.ini"));
        toc = rip.CDDrive(2).TOC();
    }
};
} // namespace

TEST(TrackRipper, ReadsChunksUntilTheLibrarySaysTheRangeIsDone)
{
    FakeTrack t;
    TrackRipper ripper(t.library);
    EXPECT_FALSE(ripper.Read()) << "not open";
    EXPECT_EQ(ripper.ReadBufferSize(), 0);
    EXPECT_EQ(ripper.ReadBufferPtr(), nullptr);

    ripper.CreateForTrack(t.toc->Entry(2));
    t.library->CR_SetActiveCDROM(0);
    t.library->chunks = {
        {CR_OK, "abcd"}, {CR_REPAIRED, "ef"}, {CR_SKIPPED, "g"}, {CR_RANGE_DONE, "xyz"}};
    t.library->percent = 40;
    ASSERT_TRUE(ripper.OpenRipper());
    EXPECT_EQ(t.library->openedDrive, 1) << "the track's drive is selected";
    EXPECT_EQ(t.library->openedStart, 100);
    EXPECT_EQ(t.library->openedEnd, 250);
    EXPECT_EQ(ripper.PercentComplete(), 0);
    QByteArray got;
    while (ripper.Read())
        got += QByteArray(reinterpret_cast<const char *>(ripper.ReadBufferPtr()),
                          ripper.ReadBufferSize());
    EXPECT_EQ(got, QByteArray("abcdefgxyz"));
    EXPECT_EQ(ripper.PercentComplete(), 40);
    EXPECT_EQ(t.library->closeCalls, 1);
    EXPECT_TRUE(ripper.CloseRipper()) << "already closed";
    EXPECT_EQ(t.library->closeCalls, 1);
}

TEST(TrackRipper, FailuresRaiseOrStopTheRun)
{
    FakeTrack t;
    TrackRipper ripper(t.library);
    ripper.CreateForTrack(t.toc->Entry(1));
    for (const qint32 size : {0, 1, 65 * 1024 * 1024}) {
        t.library->chunkSize = size;
        const int closes = t.library->closeCalls;
        expectRaised([&] { ripper.OpenRipper(); }, 29507, "tavro.cCDTrackRipper.CreateBuffer",
                     "Failed to create memory buffer to read CD to.");
        EXPECT_EQ(t.library->closeCalls, closes + 1) << "the library's run is closed again";
    }
    t.library->chunkSize = 4;
    t.library->openResult = CR_FILE_OPEN_ERROR;
    expectRaised([&] { ripper.OpenRipper(); }, 29502, "tavro.cCDTrackRipper.OpenRipper",
                 "CDRip File Open Error");
    t.library->openResult = CR_RANGE_DONE;
    EXPECT_FALSE(ripper.OpenRipper());
    t.library->openResult = CR_OK;

    // A jitter code ends the reading but leaves the run open; an oversized claim is cut to the
    // buffer.
    t.library->chunks = {{CR_OK, "0123456789"}, {CR_JITTER_ERROR, ""}};
    ASSERT_TRUE(ripper.OpenRipper());
    EXPECT_TRUE(ripper.Read());
    EXPECT_EQ(ripper.ReadBufferSize(), 4);
    EXPECT_FALSE(ripper.Read());
    const int closes = t.library->closeCalls;
    for (const CDEX_ERR code : {CR_ERROR, CR_FILE_OPEN_ERROR}) {
        t.library->chunks = {{code, ""}};
        ASSERT_TRUE(ripper.OpenRipper());
        expectRaised([&] { ripper.Read(); }, 29500 + code, "tavro.cCDTrackRipper.Read",
                     code == CR_ERROR ? "CDRip Error" : "CDRip File Open Error");
        EXPECT_FALSE(ripper.Read()) << "closed by the failure";
    }
    EXPECT_EQ(t.library->closeCalls, closes + 3) << "the jitter run, then each failed one";
}
