#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "CdioRipLibrary.h"
#include "TestDisc.h"
#include "TestMedia.h"

namespace {
const QList<TestDisc::Track> kTracks = {{187, 440}, {226, 660}, {75, 0}, {149, 1000}};

qint32 int32At(const unsigned char *bytes) { return qFromLittleEndian<qint32>(bytes); }

class CdioRipLibraryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
        TestMedia::writeFile(path("junk.cue"),
                             QByteArray("TRACK \xff\x01 AUDIO\nINDEX 99:99:99\n"));
        // The same sheet over a BIN cut short in track 2: tracks 3 and 4 would start past its end.
        TestMedia::writeFile(
            path("short.cue"),
            TestMedia::readFile(path("disc.cue")).replace("disc.bin", "short.bin"));
        TestMedia::writeFile(path("short.bin"),
                             TestMedia::readFile(path("disc.bin")).left(2352 * 300 + 1001));
        ASSERT_TRUE(
            TestDisc::writeSettings(path("cdrip.ini"), {path("disc.cue"), path("gone.cue"),
                                                        path("junk.cue"), path("short.cue")}));
        ASSERT_EQ(m_library.CR_Init(QFile::encodeName(path("cdrip.ini")).constData()), CR_OK);
    }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    CDROMPARAMS params()
    {
        CDROMPARAMS record{};
        EXPECT_EQ(m_library.CR_GetCDROMParameters(&record), CR_OK);
        return record;
    }

    void setField(int offset, qint32 value)
    {
        CDROMPARAMS record = params();
        qToLittleEndian<qint32>(value, record.data() + offset);
        ASSERT_EQ(m_library.CR_SetCDROMParameters(&record), CR_OK);
    }

    // Rips [start, end) and returns the bytes; every chunk before the last answers a "more" code.
    QByteArray rip(qint32 start, qint32 end)
    {
        qint32 size = 0;
        EXPECT_EQ(m_library.CR_OpenRipper(&size, start, end), CR_OK);
        QByteArray buffer(size, '\0');
        QByteArray audio;
        for (int chunks = 0; chunks < 10000; ++chunks) {
            qint32 bytes = -1;
            qint32 abort = 0;
            const CDEX_ERR code = m_library.CR_RipChunk(
                reinterpret_cast<unsigned char *>(buffer.data()), &bytes, abort);
            EXPECT_LE(bytes, size);
            audio += buffer.left(bytes);
            if (code == CR_RANGE_DONE)
                break;
            EXPECT_TRUE(code == CR_OK || code == CR_REPAIRED) << code;
            EXPECT_LT(m_library.CR_GetPercentCompleted(), 100);
        }
        EXPECT_EQ(m_library.CR_GetPercentCompleted(), 100);
        EXPECT_EQ(m_library.CR_GetNumberOfJitterErrors(), 0);
        EXPECT_EQ(m_library.CR_CloseRipper(), CR_OK);
        return audio;
    }

    QTemporaryDir m_dir;
    CdioRipLibrary m_library;
};
} // namespace

TEST_F(CdioRipLibraryTest, ImagesFromTheSettingsAreDrivesAndMissingOrBrokenOnesHaveNoDisc)
{
    ASSERT_EQ(m_library.CR_GetNumCDROM(), 4);
    EXPECT_GT(m_library.CR_GetCDRipVersion(), 0);
    const char *names[] = {"disc.cue", "gone.cue", "junk.cue", "short.cue"};
    for (int drive = 0; drive < 4; ++drive) {
        m_library.CR_SetActiveCDROM(drive);
        EXPECT_EQ(m_library.CR_GetActiveCDROM(), drive);
        const CDROMPARAMS record = params();
        const QByteArray name(reinterpret_cast<const char *>(record.data()));
        EXPECT_TRUE(name.endsWith(names[drive])) << name.constData();
        EXPECT_EQ(int32At(record.data() + CdRomParams::DriveType), CdRomParams::DriveTypeImage);
        EXPECT_EQ(int32At(record.data() + CdRomParams::ReadSectors), 26);
        EXPECT_EQ(qFromLittleEndian<qint16>(record.data() + CdRomParams::Retries), 20);
        EXPECT_EQ(m_library.CR_IsUnitReady() != 0, drive == 0) << names[drive];
        EXPECT_EQ(m_library.CR_IsAudioPlaying(), 0);
        EXPECT_EQ(m_library.CR_EjectCD(1), 0) << "an image has no tray";
        EXPECT_EQ(m_library.CR_PlayTrack(0), CR_ERROR) << "nor a way to play";
    }
    m_library.CR_SetActiveCDROM(1);
    EXPECT_EQ(m_library.CR_ReadToc(), CR_ERROR);
    EXPECT_EQ(m_library.CR_GetNumTocEntries(), 0);
    qint32 size = 0;
    EXPECT_EQ(m_library.CR_OpenRipper(&size, 0, 10), CR_ERROR);

    m_library.CR_SetActiveCDROM(4);
    CDROMPARAMS record{};
    EXPECT_EQ(m_library.CR_GetCDROMParameters(&record), CR_ERROR) << "no such drive";
    EXPECT_EQ(m_library.CR_ReadToc(), CR_ERROR);
    EXPECT_EQ(m_library.CR_Init("/elsewhere/cdrip.ini"), CR_OK)
        << "already started: nothing changes";
    EXPECT_EQ(m_library.CR_GetNumCDROM(), 4);
}

TEST_F(CdioRipLibraryTest, TableOfContentsEntriesAreTheImagesTracksAsBytes)
{
    m_library.CR_SetActiveCDROM(0);
    ASSERT_EQ(m_library.CR_ReadToc(), CR_OK);
    ASSERT_EQ(m_library.CR_GetNumTocEntries(), kTracks.size());
    for (int i = 0; i <= kTracks.size(); ++i) {
        const TOCENTRY entry = m_library.CR_GetTocEntry(i);
        EXPECT_EQ(int32At(entry.data()), TestDisc::startSector(kTracks, i)) << i;
        EXPECT_EQ(entry[TocEntryRecord::Flag] & 0xF4, 0x10) << "audio, ADR 1";
        EXPECT_EQ(entry[TocEntryRecord::TrackNumber], i < kTracks.size() ? i + 1 : 0xAA);
        EXPECT_EQ(entry[6] | entry[7], 0);
    }
    EXPECT_EQ(m_library.CR_GetTocEntry(-1), TOCENTRY{});
    EXPECT_EQ(m_library.CR_GetTocEntry(kTracks.size() + 1), TOCENTRY{});
}

TEST_F(CdioRipLibraryTest, RipsEveryTrackByteForByteThroughParanoiaAndPlainReads)
{
    m_library.CR_SetActiveCDROM(0);
    setField(CdRomParams::ReadSectors, 7); // chunks that do not divide the tracks
    for (const qint32 method : {CdRomParams::RipParanoia, CdRomParams::RipPlain}) {
        setField(CdRomParams::RippingMethod, method);
        for (int i = 0; i < kTracks.size(); ++i) {
            const QByteArray audio =
                rip(TestDisc::startSector(kTracks, i), TestDisc::startSector(kTracks, i + 1));
            EXPECT_TRUE(audio == TestDisc::trackAudio(kTracks, i))
                << "method " << method << " track " << i + 1;
        }
    }
    // A range across tracks, ending on the disc's last sector.
    const QByteArray tail = rip(300, TestDisc::startSector(kTracks, kTracks.size()));
    const QByteArray expected = TestDisc::trackAudio(kTracks, 1).mid((300 - 187) * 2352) +
                                TestDisc::trackAudio(kTracks, 2) + TestDisc::trackAudio(kTracks, 3);
    EXPECT_TRUE(tail == expected);
}

TEST_F(CdioRipLibraryTest, RecordChangesKeepTheNameAndUnnamedBytes)
{
    m_library.CR_SetActiveCDROM(0);
    CDROMPARAMS record = params();
    record[0] = 'X';
    record[300] = 0x5A;
    record[CdRomParams::Size - 1] = 0xA5;
    ASSERT_EQ(m_library.CR_SetCDROMParameters(&record), CR_OK);
    const CDROMPARAMS back = params();
    EXPECT_NE(back[0], 'X') << "the name is the library's";
    EXPECT_EQ(back[300], 0x5A);
    EXPECT_EQ(back[CdRomParams::Size - 1], 0xA5);
    m_library.CR_SetActiveCDROM(1);
    EXPECT_EQ(params()[300], 0) << "other drives keep their own record";
}

TEST_F(CdioRipLibraryTest, BadRangesAbortsAndCallsWithoutARunFail)
{
    m_library.CR_SetActiveCDROM(0);
    const qint32 leadOut = TestDisc::startSector(kTracks, kTracks.size());
    qint32 size = -1;
    for (const auto &[start, end] : {std::pair{-1, 10}, {10, 10}, {20, 10}, {0, leadOut + 1}}) {
        EXPECT_EQ(m_library.CR_OpenRipper(&size, start, end), CR_ERROR) << start << ".." << end;
        EXPECT_EQ(size, 0);
    }
    QByteArray buffer(2352 * 26, '\0');
    auto *data = reinterpret_cast<unsigned char *>(buffer.data());
    qint32 bytes = -1;
    qint32 abort = 0;
    EXPECT_EQ(m_library.CR_RipChunk(data, &bytes, abort), CR_ERROR);
    EXPECT_EQ(bytes, 0);

    ASSERT_EQ(m_library.CR_OpenRipper(&size, 0, leadOut), CR_OK);
    EXPECT_EQ(size, 26 * 2352);
    EXPECT_EQ(m_library.CR_RipChunk(data, &bytes, abort), CR_OK);
    EXPECT_EQ(bytes, size);
    abort = 1;
    EXPECT_EQ(m_library.CR_RipChunk(data, &bytes, abort), CR_RANGE_DONE);
    EXPECT_EQ(bytes, 0);
    EXPECT_EQ(m_library.CR_CloseRipper(), CR_OK);
}

TEST(CdioRipLibrarySettings, AFolderAsSettingsFileFailsAndNoImagesNoDevicesMeansNoDrives)
{
    QTemporaryDir dir;
    CdioRipLibrary library;
    EXPECT_EQ(library.CR_Init(QFile::encodeName(dir.path()).constData()), CR_FILE_OPEN_ERROR);
    ASSERT_TRUE(TestDisc::writeSettings(dir.filePath(QStringLiteral("cdrip.ini")), {}));
    EXPECT_EQ(
        library.CR_Init(QFile::encodeName(dir.filePath(QStringLiteral("cdrip.ini"))).constData()),
        CR_OK);
    EXPECT_EQ(library.CR_GetNumCDROM(), 0);
    EXPECT_EQ(library.CR_IsUnitReady(), 0);
}
