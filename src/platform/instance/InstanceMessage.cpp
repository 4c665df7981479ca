#include "InstanceMessage.h"

#include "FileNameCodec.h"

QByteArray InstanceMessage::encode(const QStringList &paths)
{
    QByteArray bytes;
    for (const QString &path : paths)
        bytes += FileNameCodec::encode(path) + '\n';
    return bytes;
}

QStringList InstanceMessage::decode(QByteArrayView bytes)
{
    QStringList paths;
    int lines = 0;
    for (qsizetype start = 0; start < bytes.size() && lines < kMaxLines; ++lines) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (line.startsWith('/') && line.size() < kMaxLineBytes && !line.contains('\0'))
            paths << FileNameCodec::decode(line);
    }
    return paths;
}
