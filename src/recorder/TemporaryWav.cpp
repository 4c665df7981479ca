#include "TemporaryWav.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

TemporaryWav::~TemporaryWav() { remove(); }

bool TemporaryWav::reserve()
{
    remove();
    QTemporaryFile file(QDir(QDir::tempPath()).filePath(QStringLiteral("tavro-voice-XXXXXX.wav")));
    file.setAutoRemove(false);
    if (!file.open())
        return false;
    m_path = file.fileName();
    return true;
}

bool TemporaryWav::remove()
{
    if (m_path.isEmpty())
        return true;
    if (QFile::exists(m_path) && !QFile::remove(m_path))
        return false;
    m_path.clear();
    return true;
}
