#include "DecodedMp3.h"

#include <QTemporaryDir>

#include "TestMedia.h"
#include "WavReader.h"

DecodedMp3 DecodedMp3::decode(const QString &mp3Path)
{
    DecodedMp3 decoded;
    QTemporaryDir dir;
    const QString wav = dir.filePath(QStringLiteral("decoded.wav"));
    if (TestMedia::run(QStringLiteral("mpg123"),
                       {QStringLiteral("-q"), QStringLiteral("--stereo"), QStringLiteral("-e"),
                        QStringLiteral("s16"), QStringLiteral("-w"), wav, mp3Path}) != 0)
        return decoded;
    WavReader reader;
    if (!reader.OpenFile(wav))
        return decoded;
    decoded.ok = true;
    decoded.sampleRate = int(reader.SampleRate());
    decoded.frames = reader.AudioLength();
    for (bool more = true; more;) {
        more = reader.Read();
        for (qint64 i = 0; i < reader.ReadSize(); ++i)
            decoded.left.push_back(reader.ReadBufferPtr()[2 * i]);
    }
    return decoded;
}

double DecodedMp3::frequency() const
{
    qint64 crossings = 0;
    for (std::size_t i = 1; i < left.size(); ++i)
        crossings += (left[i - 1] < 0) != (left[i] < 0);
    return sampleRate > 0 && !left.empty() ? crossings / 2.0 / (double(left.size()) / sampleRate)
                                           : 0.0;
}
