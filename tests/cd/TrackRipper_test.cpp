#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "CdDrives.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"
#include "TestDisc.h"
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
    t.library->jitterErrors = 3;
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
    EXPECT_EQ(ripper.JitterErrorCount(), 3);
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

TEST(TrackRipper, SectionsMustLieOnTheDisc)
{
    FakeTrack t;
    TrackRipper ripper(t.library);
    CdDrive drive = t.rip.CDDrive(2); // total length 250 + 150 sectors
    for (const auto &[start, end] : {std::pair{-1, 10}, {10, 10}, {10, 9}, {0, 400}, {400, 401}}) {
        expectRaised([&] { ripper.CreateForSection(drive, start, end); }, 29503,
                     "tavro.CreateForSection", "Invalid sector specified");
    }
    ripper.CreateForSection(drive, 5, 399);
    t.library->CR_SetActiveCDROM(0);
    ASSERT_TRUE(ripper.OpenRipper());
    EXPECT_EQ(t.library->openedDrive, 1);
    EXPECT_EQ(t.library->openedStart, 5);
    EXPECT_EQ(t.library->openedEnd, 399);
}

TEST(TrackRipper, RipsAnImagesTrackByteForByte)
{
    const QList<TestDisc::Track> tracks = {{301, 440}, {75 * 4 + 13, 880}, {1, 1200}};
    QTemporaryDir dir;
    const QString cue = dir.filePath(QStringLiteral("disc.cue"));
    ASSERT_TRUE(TestDisc::write(cue, tracks));
    ASSERT_TRUE(TestDisc::writeSettings(dir.filePath(QStringLiteral("cdrip.ini")), {cue}));
    CdDrives rip;
    rip.Create(dir.filePath(QStringLiteral("cdrip.ini")));
    const DiscToc toc = rip.CDDrive(1).TOC();
    TrackRipper ripper(toc.library());
    for (int i = 0; i < tracks.size(); ++i) {
        ripper.CreateForTrack(toc.Entry(i + 1));
        ASSERT_TRUE(ripper.OpenRipper());
        QByteArray got;
        while (ripper.Read())
            got += QByteArray(reinterpret_cast<const char *>(ripper.ReadBufferPtr()),
                              ripper.ReadBufferSize());
        EXPECT_TRUE(got == TestDisc::trackAudio(tracks, i)) << "track " << i + 1;
        EXPECT_EQ(ripper.PercentComplete(), 100);
        EXPECT_EQ(ripper.JitterErrorCount(), 0);
    }
}
