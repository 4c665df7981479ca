// Opening a WAV file and reading all its data in small buffers.
#include "FuzzFile.h"
#include "WavReader.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    static FuzzFile file;
    WavReader reader;
    reader.setReadBufferSize(64);
    if (!reader.OpenFile(file.fill(data, size)))
        return 0;
    while (reader.Read()) {
    }
    return 0;
}
