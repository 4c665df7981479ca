#include <stdexcept>

#include <gtest/gtest.h>

#include <QtEndian>

#include "CdDrives.h"
#include "CdRipErrors.h"
#include "ExpectRaised.h"
#include "FakeRipLibrary.h"

TEST(RaiseRipError, NumbersSourcesAndDescriptions)
{
    using CdRipErrors::RaiseRipError;
    const QString op = QStringLiteral("x.Op");
    EXPECT_NO_THROW(RaiseRipError(op, 0, true));
    EXPECT_NO_THROW(RaiseRipError(op, 0, false));
    EXPECT_NO_THROW(RaiseRipError(op, 4, true)) << "a finished range is no error";
    expectRaised([&] { RaiseRipError(op, 1, true); }, 29501, "tavro.x.Op", "CDRip Error");
    expectRaised([&] { RaiseRipError(op, 2, true); }, 29502, "tavro.x.Op", "CDRip File Open Error");
    expectRaised([&] { RaiseRipError(op, -1, true); }, 29499, "tavro.x.Op", "CDRip Jitter Error");
    expectRaised([&] { RaiseRipError(op, 3, true); }, 29503, "tavro.x.Op", "");
    expectRaised([&] { RaiseRipError(op, 1, false); }, 29501, "tavro.x.Op",
                 "CDRip Not Initialised.");
    expectRaised([&] { RaiseRipError(op, 2, false); }, 29502, "tavro.x.Op",
                 "CD Buffer not open for reading.");
    expectRaised([&] { RaiseRipError(op, 3, false); }, 29503, "tavro.x.Op",
                 "Invalid sector specified");
    expectRaised([&] { RaiseRipError(op, 4, false); }, 29504, "tavro.x.Op", "");
    expectRaised([&] { RaiseRipError(op, 7, false); }, 29507, "tavro.x.Op",
                 "Failed to create memory buffer to read CD to.");
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
    EXPECT_NO_THROW(rip.Create(QStringLiteral("/x/cdrip.ini")))
        << "started: later calls do nothing";

    EXPECT_EQ(rip.CDDriveCount(), 2);
    EXPECT_EQ(rip.Version(), 123);
    EXPECT_EQ(rip.CDDrive(2).Name(), QStringLiteral("second"));
    EXPECT_EQ(rip.ActiveCDDriveIndex(), 2);
    EXPECT_EQ(rip.CDDrive(1).Name(), QStringLiteral("first"));
    expectRaised([&] { rip.CDDrive(3); }, 29501, "tavro.cCDDriveInfo.fInit", "CDRip Error");
}

TEST(CdDrive, FieldsLiveInTheRecordAndApplySendsOnlyChanges)
{
    auto library = std::make_shared<FakeRipLibrary>();
    CDROMPARAMS record = FakeRipLibrary::record("Drive");
    std::fill(record.begin() + 255, record.end(), 0xEE); // bytes nobody names must survive
    qToLittleEndian<qint32>(26, record.data() + 256);
    qToLittleEndian<qint16>(-5, record.data() + 328);
    library->drives = {record};
    CdDrives rip(library);
    CdDrive drive = rip.CDDrive(1);
    EXPECT_EQ(drive.ReadSectors(), 26);
    EXPECT_EQ(drive.Retries(), -5);

    drive.setReadSectors(26);
    drive.setRetries(-5);
    drive.Apply();
    EXPECT_EQ(library->setParamsCalls, 0) << "same values: nothing changed";

    drive.setReadSectors(8);
    drive.setReadOverlap(1);
    drive.setBlockCompare(2);
    drive.setStartOffset(-3);
    drive.setEndOffset(4);
    drive.setCDSpeed(16);
    drive.setSpinUpTime(5);
    drive.setDriveType(6);
    drive.setRippingMethod(1);
    drive.setRetries(32767);
    EXPECT_THROW(drive.setRetries(32768), std::overflow_error);
    EXPECT_THROW(drive.setRetries(-32769), std::overflow_error);
    drive.Apply();
    drive.Apply();
    ASSERT_EQ(library->setParamsCalls, 1);
    const CDROMPARAMS &sent = library->drives[0];
    const int offsets[] = {256, 260, 264, 268, 272, 276, 280, 292, 296};
    const qint32 values[] = {8, 1, 2, -3, 4, 16, 5, 6, 1};
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(qFromLittleEndian<qint32>(sent.data() + offsets[i]), values[i]) << offsets[i];
    EXPECT_EQ(qFromLittleEndian<qint16>(sent.data() + 328), 32767);
    for (const int kept : {255, 284, 291, 300, 327, 330, 331, 352, 1379})
        EXPECT_EQ(sent[std::size_t(kept)], 0xEE) << kept;

    library->drives[0] = record;
    drive.refresh();
    EXPECT_EQ(drive.ReadSectors(), 26);
    drive.PlayCDTrack(3);
    EXPECT_EQ(library->playedTracks, QList<qint32>{2});
    expectRaised([&] { drive.UnpauseCD(); }, 29501, "tavro.cDrive.UnPauseCD", "CDRip Error");
    expectRaised([&] { drive.PauseCD(); }, 29501, "tavro.cDrive.PauseCD", "CDRip Error");
    EXPECT_TRUE(drive.IsUnitReady());
    library->unitReady = false;
    EXPECT_FALSE(drive.IsUnitReady());
}
