// Reading a tag, writing every field and cutting it off again. Whatever the file held, a write
// must leave a file whose tag reads back as written.
#include <cstdlib>

#include "FuzzFile.h"
#include "Mp3FileRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    static FuzzFile file;
    Mp3FileRecord record;
    record.setFullName(file.fill(data, size));
    record.ReadMP3Info();
    if (!record.setTitle(QStringLiteral("Title")) || !record.setGenre(QStringLiteral("Jazz")))
        std::abort();
    Mp3FileRecord again;
    again.setFullName(record.FullName());
    again.ReadMP3Info();
    if (again.title() != QLatin1String("Title") || again.RemoveTag() != 1)
        std::abort();
    return 0;
}
