#pragma once

#include <QString>
#include <QStringList>

// A later copy's side of the hand-over to the running copy (InstanceServer).
class InstanceClient {
public:
    // Sends paths (none: come forward) to the server at serverPath. The running copy takes the
    // lock before it listens, so a refused connection is tried again until timeoutMs is over.
    // False when no server took the whole message in that time.
    static bool handOver(const QString &serverPath, const QStringList &paths, int timeoutMs);
};
