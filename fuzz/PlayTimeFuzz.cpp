// The play-time analyser (any version and layer) and the exact duration scan of the searcher.
#include "FuzzFile.h"
#include "Mp3Duration.h"
#include "Mp3PlayTime.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    static FuzzFile file;
    const QString &path = file.fill(data, size);
    Mp3PlayTime playTime;
    playTime.setFilename(path);
    playTime.refresh();
    Mp3Duration duration;
    duration.seconds(path);
    return 0;
}
