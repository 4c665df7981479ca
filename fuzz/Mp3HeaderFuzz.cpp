// The frame-header search and the record built on it: header fields, frame count, play time.
#include "FuzzFile.h"
#include "Mp3FileRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    static FuzzFile file;
    Mp3FileRecord record;
    record.setFullName(file.fill(data, size));
    record.ReadHeader();
    record.PlayTime();
    record.ValidHeader();
    return 0;
}
