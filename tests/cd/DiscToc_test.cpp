#include <stdexcept>

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "CdDrives.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"
#include "TestDisc.h"

namespace {
// A fake disc with these track starts and lead-out, and its table of contents.
struct FakeDisc {
    std::shared_ptr<FakeRipLibrary> library = std::make_shared<FakeRipLibrary>();
    CdDrives rip{library};

    explicit FakeDisc(std::vector<qint32> starts)
    {
        library->drives = {FakeRipLibrary::record("fake")};
        library->tocStarts = std::move(starts);
        rip.Create(QStringLiteral("cdrip.ini"));
    }
    DiscToc toc() { return rip.CDDrive(1).TOC(); }
};

// The freedb disc id, worked out from whole seconds of the disc addresses.
quint32 freedbId(const QList<TestDisc::Track> &tracks)
{
    int n = 0;
    for (int i = 0; i < tracks.size(); ++i)
        for (int s = (TestDisc::startSector(tracks, i) + 150) / 75; s > 0; s /= 10)
            n += s % 10;
    const int t = (TestDisc::startSector(tracks, tracks.size()) + 150) / 75 -
                  (TestDisc::startSector(tracks, 0) + 150) / 75;
    return quint32(n % 0xff) << 24 | quint32(t) << 8 | quint32(tracks.size());
}
} // namespace

TEST(DiscToc, OneTrackHourLongDiscHasTheKnownIdAndQuery)
{
    FakeDisc disc({0, 4500 * 60});
    const DiscToc toc = disc.toc();
    ASSERT_EQ(toc.Count(), 1);
    const DiscTocEntry &track = toc.Entry(1);
    EXPECT_EQ(track.Offset(), 150);
    EXPECT_EQ(track.FormattedStartTime(), QStringLiteral("0:02.00"));
    EXPECT_EQ(track.FormattedLength(), QStringLiteral("60:00.00"));
    EXPECT_EQ(toc.TotalLengthSectors(), 270150);
    EXPECT_EQ(toc.TotalLengthSeconds(), 3602);
    EXPECT_EQ(toc.CDDBId(), 0x20E1001u);
    EXPECT_EQ(toc.CDDBQuery(), QStringLiteral("cddb query 20e1001 1 150 3602"));
    EXPECT_THROW(toc.Entry(0), std::out_of_range);
    EXPECT_THROW(toc.Entry(2), std::out_of_range);
}

TEST(DiscToc, TimesSizesAndTimeTexts)
{
    // Tracks of 1 sector, 74 frames, and 1 h 2 min 3 s 37 frames.
    FakeDisc disc({0, 1, 75, 75 + 74, 75 + 74 + 4500 * 62 + 75 * 3 + 37});
    const DiscToc toc = disc.toc();
    ASSERT_EQ(toc.Count(), 4);
    EXPECT_EQ(toc.Entry(1).SizeBytes(), 2352);
    EXPECT_EQ(toc.Entry(1).FormattedLength(), QStringLiteral("0:00.01"));
    EXPECT_EQ(toc.Entry(2).FormattedStartTime(), QStringLiteral("0:02.01"));
    EXPECT_EQ(toc.Entry(3).LengthFrames(), 74);
    EXPECT_EQ(toc.Entry(3).FormattedLength(), QStringLiteral("0:00.59"));
    const DiscTocEntry &long4 = toc.Entry(4);
    EXPECT_EQ(long4.LengthMinutes(), 62);
    EXPECT_EQ(long4.LengthSeconds(), 3);
    EXPECT_EQ(long4.LengthFrames(), 37);
    EXPECT_EQ(long4.FormattedLength(), QStringLiteral("62:03.30"));
    EXPECT_EQ(long4.SizeBytes(), qint64(4500 * 62 + 75 * 3 + 37) * 2352);
    EXPECT_EQ(long4.EndSector(), 75 + 74 + 4500 * 62 + 75 * 3 + 37);
    EXPECT_EQ(long4.TrackNumber(), 4);
    EXPECT_EQ(long4.TOCEntryType(), 0x10);
}

TEST(DiscToc, AnIdWithBit31SetShowsEightHexDigitsAndAnEmptyReadKeepsTheTotals)
{
    // Tracks at 999, 1899, 1989, 1998 and 2799 seconds: digit sums 5 x 27 = 135 = 0x87, so the
    // top bit is set; the lead-out at 2800 s gives t - t1 = 1801 = 0x709.
    std::vector<qint32> starts;
    for (const int seconds : {999, 1899, 1989, 1998, 2799, 2800})
        starts.push_back(seconds * 75 - 150);
    FakeDisc disc(starts);
    const DiscToc toc = disc.toc();
    EXPECT_EQ(toc.CDDBId(), 0x87070905u);
    EXPECT_TRUE(toc.CDDBQuery().startsWith(QStringLiteral("cddb query 87070905 5 74925 ")))
        << qPrintable(toc.CDDBQuery());

    const quint32 id = toc.CDDBId();
    DiscToc again = toc;
    disc.library->tocStarts = {0}; // no tracks, only a lead-out
    again.refresh();
    EXPECT_EQ(again.Count(), 0);
    EXPECT_EQ(again.CDDBId(), id);
    EXPECT_EQ(again.TotalLengthSectors(), toc.TotalLengthSectors());
    disc.library->readTocResult = CR_ERROR;
    expectRaised([&] { again.refresh(); }, 29501, "tavro.cCDToc.fInit", "CDRip Error");
}

TEST(DiscToc, ImagesGiveTheirTracksAndTheFreedbId)
{
    QList<TestDisc::Track> ninetyNine;
    for (int i = 0; i < 99; ++i)
        ninetyNine.append({20 + i * 37 % 61, 200 + 10 * i});
    const QList<QList<TestDisc::Track>> discs = {
        {{75 * 61 + 33, 440}}, {{187, 440}, {4501, 660}, {149, 1000}}, ninetyNine};
    QTemporaryDir dir;
    QStringList images;
    for (int d = 0; d < discs.size(); ++d) {
        images << dir.filePath(QStringLiteral("disc%1.cue").arg(d));
        ASSERT_TRUE(TestDisc::write(images.last(), discs[d]));
    }
    const QString ini = dir.filePath(QStringLiteral("cdrip.ini"));
    ASSERT_TRUE(TestDisc::writeSettings(ini, images));
    CdDrives rip;
    rip.Create(ini);
    ASSERT_EQ(rip.CDDriveCount(), 3);
    for (int d = 0; d < discs.size(); ++d) {
        const QList<TestDisc::Track> &tracks = discs[d];
        CdDrive drive = rip.CDDrive(d + 1);
        EXPECT_EQ(drive.Name(), images[d]);
        ASSERT_TRUE(drive.IsUnitReady());
        const DiscToc toc = drive.TOC();
        ASSERT_EQ(toc.Count(), tracks.size());
        QString query =
            QStringLiteral("cddb query %1 %2").arg(freedbId(tracks), 0, 16).arg(tracks.size());
        for (int i = 0; i < tracks.size(); ++i) {
            const DiscTocEntry &entry = toc.Entry(i + 1);
            const int start = TestDisc::startSector(tracks, i);
            EXPECT_EQ(entry.StartSector(), start);
            EXPECT_EQ(entry.TrackNumber(), i + 1);
            EXPECT_EQ(entry.SizeBytes(), qint64(tracks[i].sectors) * 2352);
            const int s = (start + 150) / 75;
            EXPECT_EQ(entry.FormattedStartTime(),
                      QStringLiteral("%1:%2.%3")
                          .arg(s / 60)
                          .arg(s % 60, 2, 10, QLatin1Char('0'))
                          .arg(((start + 150) % 75 * 4 + 2) / 5, 2, 10, QLatin1Char('0')));
            query += QStringLiteral(" %1").arg(start + 150);
        }
        query +=
            QStringLiteral(" %1").arg((TestDisc::startSector(tracks, tracks.size()) + 150) / 75);
        EXPECT_EQ(toc.CDDBId(), freedbId(tracks)) << d;
        EXPECT_EQ(toc.CDDBQuery(), query);
    }
}
