#include "FrameTables.h"

#include <QString>
#include <QStringList>

namespace {
// One text per bit-rate index: MPEG 1 Layer I, II, III, then MPEG 2/2.5 Layer I, II, III.
const char *const bitrateRows[16] = {
    "999,999,999,999,999,999,", "032,032,032,032,008,008,", "064,048,040,048,016,016,",
    "096,056,048,056,024,024,", "128,064,056,064,032,032,", "160,080,064,080,040,040,",
    "192,096,080,096,048,048,", "224,112,096,112,056,056,", "256,128,112,128,064,064,",
    "288,160,128,144,080,080,", "320,192,160,160,096,096,", "352,224,192,176,112,112,",
    "384,256,224,192,128,128,", "416,320,256,224,144,144,", "448,384,320,256,160,160,",
    "999,999,999,999,999,999,"};
constexpr int bitrateColumns[6] = {7, 6, 5, 3, 2, 1};

// One text per rate index, for MPEG 1, MPEG 2 and MPEG 2.5.
const char *const sampleRateRows[4] = {"44100,22050,11025,", "48000,24000,12000,",
                                       "32000,16000,08000,", "99999,99999,99999,"};
constexpr int sampleRateVersions[3] = {3, 2, 0};

QStringList values(const char *row) { return QString::fromLatin1(row).split(QLatin1Char(',')); }
} // namespace

const FrameTables &FrameTables::instance()
{
    static const FrameTables tables;
    return tables;
}

FrameTables::FrameTables()
{
    // Rows 0 and 15 (free format, forbidden) stay 0.
    for (int index = 1; index <= 14; ++index) {
        const QStringList row = values(bitrateRows[index]);
        for (int i = 0; i < 6; ++i)
            m_bitrates[index][bitrateColumns[i]] = row[i].toInt();
    }
    for (int rateIndex = 0; rateIndex < 4; ++rateIndex) {
        const QStringList row = values(sampleRateRows[rateIndex]);
        for (int i = 0; i < 3; ++i)
            m_sampleRates[sampleRateVersions[i]][rateIndex] = row[i].toInt();
    }
}

double FrameTables::framesPerSecond(int rateIndex)
{
    constexpr double table[4] = {38.5, 32.5, 27.8, 0};
    return table[rateIndex];
}
