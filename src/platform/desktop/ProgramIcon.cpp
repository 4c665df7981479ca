#include "ProgramIcon.h"

#include <QDir>
#include <QFile>

#include "SavedFile.h"

namespace {
struct IconFile {
    const char *resource;
    const char *installed; // below the data folder
};
constexpr IconFile kFiles[] = {
    {":/tavro/icons/tavro.svg", "/icons/hicolor/scalable/apps/tavro.svg"},
    {":/tavro/icons/tavro.png", "/icons/hicolor/48x48/apps/tavro.png"},
};

bool copyResource(const QString &resource, const QString &target)
{
    QFile source(resource);
    if (!source.open(QIODevice::ReadOnly) || !QDir().mkpath(QFileInfo(target).absolutePath()))
        return false;
    const QByteArray bytes = source.readAll();
    return SavedFile::write(target, bytes);
}
} // namespace

namespace ProgramIcon {

QString install(const QString &dataHome)
{
    bool written = true;
    for (const IconFile &icon : kFiles)
        written =
            copyResource(QLatin1String(icon.resource), dataHome + QLatin1String(icon.installed)) &&
            written;
    return written ? dataHome + QLatin1String(kFiles[0].installed) : QString();
}

bool remove(const QString &dataHome)
{
    bool removed = true;
    for (const IconFile &icon : kFiles) {
        QFile file(dataHome + QLatin1String(icon.installed));
        removed = (!file.exists() || file.remove()) && removed;
    }
    return removed;
}

} // namespace ProgramIcon
