#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include "CdioRipLibrary.h"
#include "TestMedia.h"

// The machine's first CD device with an audio disc in it: the table of contents reads and the
// first second of track 1 rips through paranoia and through plain reads alike.
TEST(CdioRipLibraryDrive, RipsTheStartOfTrackOneFromARealDisc)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("cdrip.ini"));
    TestMedia::writeFile(ini, "[Drives]\nScanDevices=1\n");
    CdioRipLibrary library;
    ASSERT_EQ(library.CR_Init(QFile::encodeName(ini).constData()), CR_OK);
    ASSERT_GT(library.CR_GetNumCDROM(), 0) << "no CD device";
    library.CR_SetActiveCDROM(0);
    ASSERT_NE(library.CR_IsUnitReady(), 0) << "no disc in the first drive";
    ASSERT_EQ(library.CR_ReadToc(), CR_OK);
    const qint32 start = qFromLittleEndian<qint32>(library.CR_GetTocEntry(0).data());

    QByteArray first[2];
    for (const qint32 method : {CdRomParams::RipParanoia, CdRomParams::RipPlain}) {
        CDROMPARAMS record{};
        ASSERT_EQ(library.CR_GetCDROMParameters(&record), CR_OK);
        qToLittleEndian<qint32>(method, record.data() + CdRomParams::RippingMethod);
        ASSERT_EQ(library.CR_SetCDROMParameters(&record), CR_OK);
        qint32 size = 0;
        ASSERT_EQ(library.CR_OpenRipper(&size, start, start + 75), CR_OK);
        QByteArray buffer(size, '\0');
        CDEX_ERR code = CR_OK;
        while (code != CR_RANGE_DONE) {
            qint32 bytes = 0;
            qint32 abort = 0;
            code = library.CR_RipChunk(reinterpret_cast<unsigned char *>(buffer.data()), &bytes,
                                       abort);
            ASSERT_NE(code, CR_ERROR);
            first[method] += buffer.left(bytes);
        }
        library.CR_CloseRipper();
    }
    EXPECT_EQ(first[0].size(), 75 * 2352);
    EXPECT_TRUE(first[0] == first[1])
        << "both methods give the same samples in the same byte order";
}
