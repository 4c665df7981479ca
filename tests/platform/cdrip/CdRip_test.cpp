#include <tuple>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "CdRipSettings.h"
#include "CdioRipLibrary.h"
#include "DiscAudioSource.h"
#include "TestDisc.h"
#include "TestMedia.h"
#include "TocSheet.h"

namespace {
const QList<TestDisc::Track> kTracks = {{187, 440}, {226, 660}, {75, 0}, {149, 1000}};
const qint32 kLeadOut = TestDisc::startSector(kTracks, int(kTracks.size()));

qint32 int32At(const unsigned char *bytes) { return qFromLittleEndian<qint32>(bytes); }

// The settings file, and the library over its drives 0..3: the disc, a missing image, a junk
// sheet, and the disc's sheet over a BIN cut short in track 2 (tracks 3 and 4 would start past its
// end).
class CdRipTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(TestDisc::write(path("disc.cue"), kTracks));
        TestMedia::writeFile(path("junk.cue"), "TRACK \xff\x01 AUDIO\nINDEX 99:99:99\n");
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
    static CdRipSettings loaded(const QString &file)
    {
        CdRipSettings settings;
        EXPECT_TRUE(settings.load(file));
        return settings;
    }
    static auto numbers(const CdRipSettings &s)
    {
        return std::tuple(s.scanDevices, s.readSectors, s.rippingMethod, s.retries, s.cdSpeed,
                          s.encoderJobs);
    }
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
    // Rips [start, end): every chunk but the last answers a "more" code, the last CR_RANGE_DONE.
    QByteArray rip(qint32 start, qint32 end)
    {
        qint32 size = 0;
        EXPECT_EQ(m_library.CR_OpenRipper(&size, start, end), CR_OK);
        QByteArray buffer(size, '\0'), audio;
        CDEX_ERR code = CR_OK;
        for (int chunk = 0; code != CR_RANGE_DONE && chunk < 10000; ++chunk) {
            qint32 bytes = 0, abort = 0;
            code = m_library.CR_RipChunk(reinterpret_cast<unsigned char *>(buffer.data()), &bytes,
                                         abort);
            EXPECT_TRUE(code == CR_OK || code == CR_REPAIRED || code == CR_RANGE_DONE) << code;
            audio += buffer.left(bytes);
        }
        EXPECT_EQ(m_library.CR_GetPercentCompleted(), 100);
        EXPECT_EQ(m_library.CR_GetNumberOfJitterErrors(), 0);
        EXPECT_EQ(m_library.CR_CloseRipper(), CR_OK);
        return audio;
    }
    // Whether the image reader takes the sheet; when it does, the first 588 frames it plays must
    // be the first track's from sector `start` of the BIN.
    static bool readsFirstTrack(const QString &sheet, int start)
    {
        const CdRipDrive drive = CdRipDrive::image(QFile::encodeName(sheet), CdRipSettings());
        const DiscLayout layout(drive.readToc());
        if (layout.isEmpty())
            return false;
        DiscAudioSource source(drive, layout);
        std::vector<float> samples;
        EXPECT_GT(source.decode(samples), 588);
        samples.resize(1176);
        const QByteArray audio = TestDisc::trackAudio(kTracks, 0);
        const auto *stored = reinterpret_cast<const qint16 *>(audio.constData() + start * 2352);
        for (int i = 0; i < 1176; ++i)
            if (samples[size_t(i)] != float(stored[i]) / 32768.0f) {
                ADD_FAILURE() << "sample " << i;
                break;
            }
        return true;
    }

    QTemporaryDir m_dir;
    CdioRipLibrary m_library;
};
} // namespace
using CdRipSettingsTest = CdRipTest;
using CdioRipLibraryTest = CdRipTest;

TEST_F(CdioRipLibraryTest, ImagesAreDrivesAndMissingOrBrokenOnesHaveNoDisc)
{
    ASSERT_EQ(m_library.CR_GetNumCDROM(), 4);
    EXPECT_GT(m_library.CR_GetCDRipVersion(), 0);
    for (int drive = 0; drive <= 4; ++drive) { // drive 4 does not exist
        m_library.CR_SetActiveCDROM(drive);
        CDROMPARAMS record{};
        EXPECT_EQ(m_library.CR_GetCDROMParameters(&record), drive < 4 ? CR_OK : CR_ERROR);
        EXPECT_EQ(int32At(record.data() + CdRomParams::DriveType),
                  drive < 4 ? CdRomParams::DriveTypeImage : 0);
        EXPECT_EQ(m_library.CR_IsUnitReady() != 0, drive == 0) << drive;
        EXPECT_EQ(m_library.CR_IsAudioPlaying(), 0);
        EXPECT_EQ(m_library.CR_EjectCD(1), 0) << "an image has no tray";
        EXPECT_EQ(m_library.CR_PlayTrack(0), CR_ERROR) << "nor a way to play";
    }
    for (const int drive : {1, 4}) { // a missing image; no such drive
        m_library.CR_SetActiveCDROM(drive);
        EXPECT_EQ(m_library.CR_ReadToc(), CR_ERROR);
        EXPECT_EQ(m_library.CR_GetNumTocEntries(), 0);
        qint32 size = 0;
        EXPECT_EQ(m_library.CR_OpenRipper(&size, 0, 10), CR_ERROR);
    }
    // A drive keeps what is written into its record, but not a new name.
    m_library.CR_SetActiveCDROM(0);
    CDROMPARAMS record = params();
    record[0] = 'X';
    record[CdRomParams::Size - 1] = 0xA5;
    ASSERT_EQ(m_library.CR_SetCDROMParameters(&record), CR_OK);
    EXPECT_EQ(params()[CdRomParams::Size - 1], 0xA5);
    EXPECT_NE(params()[0], 'X');
    EXPECT_EQ(CdioRipLibrary().CR_Init(QFile::encodeName(m_dir.path()).constData()),
              CR_FILE_OPEN_ERROR)
        << "a folder is no settings file";
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
        for (int i = 0; i < kTracks.size(); ++i)
            EXPECT_TRUE(
                rip(TestDisc::startSector(kTracks, i), TestDisc::startSector(kTracks, i + 1)) ==
                TestDisc::trackAudio(kTracks, i))
                << "method " << method << " track " << i + 1;
    }
    // A range across tracks, ending on the disc's last sector.
    EXPECT_TRUE(rip(300, kLeadOut) == TestDisc::trackAudio(kTracks, 1).mid((300 - 187) * 2352) +
                                          TestDisc::trackAudio(kTracks, 2) +
                                          TestDisc::trackAudio(kTracks, 3));
}

TEST_F(CdioRipLibraryTest, BadRangesAbortsAndCallsWithoutARunFail)
{
    m_library.CR_SetActiveCDROM(0);
    qint32 size = -1;
    for (const auto &[start, end] : {std::pair{-1, 10}, {10, 10}, {20, 10}, {0, kLeadOut + 1}}) {
        EXPECT_EQ(m_library.CR_OpenRipper(&size, start, end), CR_ERROR) << start << ".." << end;
        EXPECT_EQ(size, 0);
    }
    QByteArray buffer(2352 * 26, '\0');
    auto *data = reinterpret_cast<unsigned char *>(buffer.data());
    qint32 bytes = -1;
    qint32 abort = 0;
    EXPECT_EQ(m_library.CR_RipChunk(data, &bytes, abort), CR_ERROR);
    EXPECT_EQ(bytes, 0);

    ASSERT_EQ(m_library.CR_OpenRipper(&size, 0, kLeadOut), CR_OK);
    EXPECT_EQ(size, 26 * 2352);
    EXPECT_EQ(m_library.CR_RipChunk(data, &bytes, abort), CR_OK);
    EXPECT_EQ(bytes, size);
    abort = 1;
    EXPECT_EQ(m_library.CR_RipChunk(data, &bytes, abort), CR_RANGE_DONE);
    EXPECT_EQ(bytes, 0);
    EXPECT_EQ(m_library.CR_CloseRipper(), CR_OK);
}

TEST_F(CdRipSettingsTest, MissingFileIsCreatedWithDefaultsWhereTheEnvironmentPoints)
{
    const QString file = path("config/tavro/cdrip.ini");
    qputenv("TAVRO_CDRIP_INI", QFile::encodeName(file));
    EXPECT_EQ(CdRipSettings::defaultPath(), file);
    qunsetenv("TAVRO_CDRIP_INI");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(path("xdg")));
    EXPECT_EQ(CdRipSettings::defaultPath(), path("xdg/tavro/cdrip.ini"));

    CdRipSettings s = loaded(file);
    ASSERT_TRUE(QFile::exists(file));
    EXPECT_EQ(numbers(loaded(file)), std::tuple(true, 26, 0, 20, 0, 0));
    EXPECT_TRUE(loaded(file).images.isEmpty());

    s = {false, {path("one.cue"), path("two words.cue")}, 7, 1, 3, 8, 5};
    ASSERT_TRUE(s.save(file));
    EXPECT_EQ(loaded(file).images, s.images);
    EXPECT_EQ(numbers(loaded(file)), numbers(s));
    EXPECT_FALSE(s.save(path("missing/dir/x.ini")));
    EXPECT_FALSE(s.load(m_dir.path())) << "a folder is not a settings file";
}

TEST_F(CdRipSettingsTest, ReadsWhatItCanAndIgnoresTheRest)
{
    TestMedia::writeFile(
        path("junk.ini"),
        QByteArray("; comment\n[drives]\n ScanDevices = 0 \n"
                   "[Images]\n# comment\n/discs/a.cue\nsub/b.cue\n\n"
                   "[Ripping]\nReadSectors=5000\nRetries=abc\nRippingMethod=1 ; plain\nCDSpeed=-3\n"
                   "EncoderJobs=99\n"
                   "junk line without equals\n=7\n[Other]\nReadSectors=3\n") +
            QByteArray("\x00\xff\xfe binary\r\n", 13));
    const CdRipSettings s = loaded(path("junk.ini"));
    EXPECT_EQ(s.images, (QStringList{"/discs/a.cue", path("sub/b.cue")}));
    // Sectors clamped, retries not a number (default kept), speed and encoders clamped.
    EXPECT_EQ(numbers(s), std::tuple(false, 200, 1, 20, 0, 64));
}

// Sheets are checked before libcdio sees them: it trusts them (a lone TRACK 99 made it write past
// a heap block), it would read the BIN named after the sheet instead of the one the sheet names,
// and a BIN that is a FIFO would block it for ever.
TEST_F(CdRipTest, OnlyCheckedSheetsReachTheImageReaderWhichReadsTheBinTheyName)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.bin")).constData(), 0600), 0);
    TestMedia::writeFile(path("other.bin"), QByteArray(2352 * 10, '\x55'));
    const QByteArray good = "FILE \"disc.bin\" BINARY\n  TRACK 01 AUDIO\n    INDEX 01 00:00:00\n";
    const struct {
        const char *name;
        QByteArray sheet;
        bool readable;
        int start = 0; // the first track's first sector in the BIN
    } cases[] = {
        {"names disc.bin", good, true},
        {"remarks, flags, pregap, CR LF, BOM",
         "\xEF\xBB\xBFREM x\r\nTITLE \"t\"\r\nFILE disc.bin BINARY\r\n TRACK 1 AUDIO\r\n FLAGS "
         "DCP PRE\r\n PREGAP 00:02:00\r\n INDEX 00 00:00:00\r\n INDEX 01 00:00:10\r\n",
         true, 10},
        {"track 99 alone", "FILE \"disc.bin\" BINARY\nTRACK 99 AUDIO\nINDEX 01 00:00:00\n", false},
        {"tracks out of order", good + "  TRACK 03 AUDIO\n    INDEX 01 00:02:00\n", false},
        {"index before the last", good + "  TRACK 02 AUDIO\n    INDEX 01 00:00:00\n", false},
        {"index past the BIN", good + "  TRACK 02 AUDIO\n    INDEX 01 60:00:00\n", false},
        {"no index 01", "FILE \"disc.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 00 00:00:00\n", false},
        {"seconds of 60", "FILE \"disc.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:60:00\n", false},
        {"BIN is a FIFO", QByteArray(good).replace("disc.bin", "fifo.bin"), false},
        {"BIN missing", QByteArray(good).replace("disc.bin", "none.bin"), false},
        {"two files", good + "FILE \"disc.bin\" BINARY\n", false},
        {"wave file", QByteArray(good).replace("BINARY", "WAVE"), false},
        {"unknown line", good + "    SPIN 3\n", false},
        {"open quote", "FILE \"disc.bin BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestMedia::writeFile(path("other.cue"), c.sheet);
        EXPECT_EQ(readsFirstTrack(path("other.cue"), c.start), c.readable);
    }
}

// TOC sheets are held to the same rules and reach the image reader as the same checked tracks.
TEST_F(CdRipTest, TocSheetsAreCheckedAsStrictlyAndReadAsTheTracksTheyDescribe)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path("fifo.bin")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir("folder.bin"));
    TestMedia::writeFile(path("other.bin"), QByteArray(2352 * 10, '\x55'));
    const QByteArray track = "TRACK AUDIO\nFILE \"disc.bin\" ";
    QByteArray hundred = "CD_DA\n";
    for (int i = 0; i < 100; ++i)
        hundred += track + QByteArray::number(i * 588) + " 588\n";
    const struct {
        const char *name;
        QByteArray sheet;
        QString problem; // empty: readable
        int start = 0;   // the first track's index 01 in the BIN
    } cases[] = {
        {"one track to the BIN's end", "CD_DA " + track + "0", {}},
        {"remarks, flags, START and INDEX",
         "CATALOG \"0123456789012\"\nCD_DA\nCD_TEXT { LANGUAGE 0 { TITLE \"a } b\" } }\n// c\n" +
             track +
             "0 00:02:37\nNO COPY\nPRE_EMPHASIS\nISRC \"ABCDE1234567\"\nSTART 00:00:10\n"
             "INDEX 00:01:00\nTRACK AUDIO\nFOUR_CHANNEL_AUDIO\nAUDIOFILE \"disc.bin\" "
             "00:02:37\n",
         {},
         10},
        {"no CD_DA", "CD_ROM " + track + "0", "not an audio-CD sheet (CD_DA)"},
        {"data track", "CD_DA\nTRACK MODE1\n", "line 2: only AUDIO tracks can be read"},
        {"no FILE", "CD_DA\nTRACK AUDIO\nTRACK AUDIO\n", "line 3: track 1 has no FILE"},
        {"a gap", "CD_DA\n" + track + "0 00:01:00\n" + track + "00:01:02\n",
         "line 5: track 2 does not start where the one before it ends"},
        {"past the BIN", "CD_DA\n" + track + "0 60:00:00\n",
         "line 3: track 1 runs past the end of the BIN file"},
        {"part of a sector", "CD_DA\n" + track + "0 1000\n",
         "line 3: a FILE length that is not whole sectors"},
        {"START past the end", "CD_DA\n" + track + "0 00:00:10\nSTART 00:00:10\n",
         "line 4: START out of place or past the track's end"},
        {"100 tracks", hundred, "line 200: more than 99 tracks"},
        {"frame 75", "CD_DA\n" + track + "0 00:01:00\nTRACK AUDIO FILE \"disc.bin\" 00:00:75",
         "line 4: FILE needs a quoted name and a start time in whole sectors"},
        {"another BIN", "CD_DA\n" + track + "0 00:01:00\nTRACK AUDIO FILE \"other.bin\" 00:01:00",
         "line 4: tracks in more than one BIN file"},
        {"BIN missing", "CD_DA TRACK AUDIO FILE \"none.bin\" 0",
         "line 1: BIN file " + path("none.bin") + " not found"},
        {"BIN a folder", "CD_DA TRACK AUDIO FILE \"folder.bin\" 0",
         "line 1: BIN file " + path("folder.bin") + " is a folder"},
        {"BIN a FIFO", "CD_DA TRACK AUDIO FILE \"fifo.bin\" 0",
         "line 1: BIN file " + path("fifo.bin") + " is not a regular file"},
        {"open quote", "CD_DA\nTRACK AUDIO FILE \"disc.bin 0\n",
         "line 2: a quote that is not closed"},
        {"open CD_TEXT", "CD_DA\nCD_TEXT { {\n", "line 2: a CD_TEXT block that is not closed"},
        {"silence", "CD_DA\nTRACK AUDIO\nSILENCE 00:02:00\n", "line 3: not understood"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TestMedia::writeFile(path("other.toc"), c.sheet);
        TocSheet sheet;
        EXPECT_EQ(sheet.read(path("other.toc")), c.problem.isEmpty());
        EXPECT_EQ(sheet.problem(), c.problem);
        EXPECT_EQ(readsFirstTrack(path("other.toc"), c.start), c.problem.isEmpty());
    }
}

TEST_F(CdRipTest, ViewFoldersOfEndedProcessesGoWhenTheNextSheetIsShown)
{
    const QString temp = path("tmp");
    ASSERT_TRUE(QDir().mkpath(temp));
    qputenv("TMPDIR", QFile::encodeName(temp));
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ::waitpid(ended, nullptr, 0);
    const QString dead = temp + QStringLiteral("/tavro-cue-%1-AbCdEf").arg(ended);
    const QString living = temp + QStringLiteral("/tavro-cue-1-AbCdEf"); // init never ends
    for (const QString &view : {dead, living}) {
        ASSERT_TRUE(QDir().mkpath(view));
        TestMedia::writeFile(view + "/disc.cue", "FILE");
        QFile::link(path("disc.bin"), view + "/disc.bin");
    }
    {
        const CdRipDrive drive =
            CdRipDrive::image(QFile::encodeName(path("disc.cue")), CdRipSettings());
        EXPECT_FALSE(DiscLayout(drive.readToc()).isEmpty());
        const QStringList views = QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        EXPECT_EQ(views.size(), 2) << qPrintable(views.join(','));
        EXPECT_TRUE(views.contains("tavro-cue-1-AbCdEf"));
        EXPECT_EQ(views.filter(QStringLiteral("tavro-cue-%1-").arg(::getpid())).size(), 1);
    }
    qunsetenv("TMPDIR");
    EXPECT_EQ(QDir(temp).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{"tavro-cue-1-AbCdEf"});
    EXPECT_TRUE(QFile::exists(path("disc.bin")));
}
