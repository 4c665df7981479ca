// Loading a play list.
#include <QStringList>

#include "FuzzFile.h"
#include "M3uFile.h"

extern "C" int LLVMFuzzerTestOneInput(const quint8 *data, size_t size)
{
    static FuzzFile file;
    QStringList list;
    M3uFile::OpenPlaylist(file.fill(data, size), list);
    return 0;
}
