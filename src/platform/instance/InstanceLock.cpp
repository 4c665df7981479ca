#include "InstanceLock.h"

#include <QStandardPaths>

InstanceLock::InstanceLock(const QString &path) : m_lock(path)
{
    // A copy holds the lock for as long as it runs: only a dead holder makes it stale.
    m_lock.setStaleLockTime(0);
    take();
}

bool InstanceLock::anotherCopyRunning() { return !take(); }

QString InstanceLock::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) +
           QStringLiteral("/tavro.lock");
}

bool InstanceLock::take()
{
    if (m_lock.isLocked() || m_lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.error() != QLockFile::LockFailedError ||
        m_lock.getLockInfo(&pid, &host, &application))
        return false;
    // Junk, or cut short: no copy wrote it.
    m_lock.removeStaleLockFile();
    return m_lock.tryLock(0);
}
