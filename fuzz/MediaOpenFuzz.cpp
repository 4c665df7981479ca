// The media component's open: the decoder measures the file, then decodes its start and seeks.
#include <vector>

#include "FuzzFile.h"
#include "Mp3Decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    static FuzzFile file;
    Mp3Decoder decoder;
    if (!decoder.open(file.fill(data, size)))
        return 0;
    std::vector<float> samples;
    for (int block = 0; block < 4 && decoder.decode(samples) > 0; ++block) {
    }
    decoder.seek(decoder.lengthFrames() / 2);
    decoder.decode(samples);
    return 0;
}
