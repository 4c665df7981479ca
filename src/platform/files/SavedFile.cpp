#include "SavedFile.h"

#include <QSaveFile>

bool SavedFile::commit(QSaveFile &file)
{
    if (!file.flush()) {
        file.cancelWriting();
        file.commit(); // ends the cancelled write, leaving the old file
        return false;
    }
    return file.commit();
}

bool SavedFile::write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size())
        file.cancelWriting();
    return commit(file);
}
