#include <gtest/gtest.h>

#include "CdDrives.h"
#include "CdRipErrors.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"

TEST(RaiseRipError, NumbersSourcesAndDescriptions)
{
    EXPECT_NO_THROW(CdRipErrors::RaiseRipError(QStringLiteral("x.Op"), 0, true));
    EXPECT_NO_THROW(CdRipErrors::RaiseRipError(QStringLiteral("x.Op"), 0, false));
    EXPECT_NO_THROW(CdRipErrors::RaiseRipError(QStringLiteral("x.Op"), 4, true)) << "range done";
    const struct {
        int code;
        bool library;
        const char *description;
    } cases[] = {
        {1, true, "CDRip Error"},
        {2, true, "CDRip File Open Error"},
        {-1, true, "CDRip Jitter Error"},
        {3, true, ""},
        {1, false, "CDRip Not Initialised."},
        {7, false, "Failed to create memory buffer to read CD to."},
        {4, false, ""},
    };
    for (const auto &c : cases)
        expectRaised([&] { CdRipErrors::RaiseRipError(QStringLiteral("x.Op"), c.code, c.library); },
                     29500 + c.code, "tavro.x.Op", c.description);
}

TEST(CdDrives, CountsDrivesOnlyOnceStartedAndHandsThemOutFromOne)
{
    auto library = std::make_shared<FakeRipLibrary>();
    library->drives = {FakeRipLibrary::record("first"), FakeRipLibrary::record("second")};
    CdDrives rip(library);
    expectRaised([&] { rip.CDDriveCount(); }, 29501, "tavro.cCDDriveRip.CDDriveCount",
                 "CDRip Not Initialised.");
    library->initResult = CR_FILE_OPEN_ERROR;
    expectRaised([&] { rip.Create(QStringLiteral("/x/cdrip.ini")); }, 29502,
                 "tavro.cCDDriveRip_Create", "CDRip File Open Error");
    EXPECT_THROW(rip.CDDriveCount(), RaisedError);
    library->initResult = CR_OK;
    rip.Create(QStringLiteral("/x/cdrip.ini"));
    library->initResult = CR_ERROR;
    EXPECT_NO_THROW(rip.Create(QStringLiteral("/x/cdrip.ini"))) << "started: later calls pass";

    EXPECT_EQ(rip.CDDriveCount(), 2);
    EXPECT_EQ(rip.CDDrive(2).Name(), QStringLiteral("second"));
    CdDrive first = rip.CDDrive(1);
    EXPECT_EQ(first.Name(), QStringLiteral("first"));
    expectRaised([&] { rip.CDDrive(3); }, 29501, "tavro.cCDDriveInfo.fInit", "CDRip Error");
    EXPECT_TRUE(first.IsUnitReady());
    library->unitReady = false;
    EXPECT_FALSE(first.IsUnitReady());
}
