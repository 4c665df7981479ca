#include "RunningProgram.h"

#include <climits>

#include <unistd.h>

#include "FileNameCodec.h"

QString RunningProgram::folder()
{
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path);
    if (length <= 0 || length == ssize_t(sizeof path))
        return {};
    const QString file = FileNameCodec::decode(QByteArrayView(path, length));
    return file.left(file.lastIndexOf(QLatin1Char('/')));
}
