#pragma once

#include <QLockFile>
#include <QString>

// The lock the running copy of tavro holds in the user's runtime folder, taken at start-up: a
// copy started while another holds it does not get it. A lock left by a copy that died, or a
// lock file that names no copy at all, is taken over.
class InstanceLock {
public:
    // Tries to take the lock at path at once.
    explicit InstanceLock(const QString &path = defaultPath());

    // True while another live copy holds the lock. Otherwise this copy takes it now, so a copy
    // started second becomes the holder once the first has ended.
    bool anotherCopyRunning();

    // tavro.lock in the user's runtime folder ($XDG_RUNTIME_DIR).
    static QString defaultPath();

private:
    bool take();

    QLockFile m_lock;
};
