#include <stdexcept>

#include <gtest/gtest.h>

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

TEST(DiscToc, TimesSizesIdsAndQueriesOfKnownDiscs)
{
    // Digit sums of the start seconds 999, 1899, 1989, 1998 and 2799 are 5 x 27 = 0x87: the
    // id's top bit is set; the lead-out at 2800 s gives 2800 - 999 = 0x709.
    std::vector<qint32> topBit;
    for (const int seconds : {999, 1899, 1989, 1998, 2799, 2800})
        topBit.push_back(seconds * 75 - 150);
    const int hour = 4500 * 60, longTrack = 4500 * 62 + 75 * 3 + 37;
    const struct {
        std::vector<qint32> starts;
        int track;
        const char *start, *length;
        qint64 bytes;
        const char *query;
    } discs[] = {
        {{0, hour}, 1, "0:02.00", "60:00.00", qint64(hour) * 2352, "cddb query 20e1001 1 150 3602"},
        {{0, 1, 75, 149, 149 + longTrack}, 1, "0:02.00", "0:00.01", 2352, "cddb query "},
        {{0, 1, 75, 149, 149 + longTrack}, 2, "0:02.01", "0:00.59", 74 * 2352, "cddb query "},
        {{0, 1, 75, 149, 149 + longTrack}, 4, "0:03.59", "62:03.30", qint64(longTrack) * 2352, ""},
        {topBit, 1, "16:39.00", "15:00.00", 67500LL * 2352, "cddb query 87070905 5 74925 "},
    };
    for (const auto &d : discs) {
        FakeDisc disc(d.starts);
        const DiscToc toc = disc.toc();
        ASSERT_EQ(toc.Count(), qint32(d.starts.size()) - 1);
        const DiscTocEntry &entry = toc.Entry(d.track);
        EXPECT_EQ(entry.FormattedStartTime(), QLatin1String(d.start)) << d.track;
        EXPECT_EQ(entry.FormattedLength(), QLatin1String(d.length)) << d.track;
        EXPECT_EQ(entry.SizeBytes(), d.bytes) << d.track;
        EXPECT_TRUE(toc.CDDBQuery().startsWith(QLatin1String(d.query)))
            << qPrintable(toc.CDDBQuery());
        EXPECT_THROW(toc.Entry(0), std::out_of_range);
        EXPECT_THROW(toc.Entry(toc.Count() + 1), std::out_of_range);
    }
}

TEST(DiscToc, AnEmptyOrUnreadableTableGivesNoTracks)
{
    FakeDisc disc({0}); // a lead-out only
    EXPECT_EQ(disc.toc().Count(), 0);
    disc.library->readTocResult = CR_ERROR;
    expectRaised([&] { disc.toc(); }, 29501, "tavro.cCDToc.fInit", "CDRip Error");
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
        EXPECT_EQ(toc.CDDBQuery(), query) << d;
    }
}
