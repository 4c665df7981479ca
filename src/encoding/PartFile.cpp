#include "PartFile.h"

#include <cstdio>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

PartFile::PartFile(const QString &target) : m_target(target)
{
    const QFileInfo info(target);
    m_path = info.dir().filePath(
        QStringLiteral(".%1.%2.part").arg(info.fileName()).arg(QCoreApplication::applicationPid()));
    QFile::remove(m_path); // left by an earlier process of the same number: not anybody's file
}

PartFile::~PartFile() { QFile::remove(m_path); }

bool PartFile::commit(bool replace)
{
    // Only a regular file is ever replaced: never a device, a pipe or a folder of that name.
    const QFileInfo target(m_target);
    if (replace && target.exists() && !target.isFile()) {
        QFile::remove(m_path);
        return false;
    }
    // QFile::rename refuses an existing target; rename(2) replaces it in one step.
    const bool moved = replace ? std::rename(QFile::encodeName(m_path).constData(),
                                             QFile::encodeName(m_target).constData()) == 0
                               : QFile::rename(m_path, m_target);
    if (!moved)
        QFile::remove(m_path);
    return moved;
}
