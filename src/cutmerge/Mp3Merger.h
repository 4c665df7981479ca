#pragma once

#include <atomic>

#include <QObject>

// Joins two files into a new one: the bytes of the base file, then those of the attachment.
// Nothing is parsed, so a tag at the end of the base ends up inside the result. The files are
// streamed one piece (1 MiB) at a time, so memory stays bounded for any size. One object per
// merge; merge() may run on a worker thread and cancel() come from another.
class Mp3Merger : public QObject {
    Q_OBJECT
public:
    // Writes output, replacing a file of that name only when replace is set; output may be one of
    // the inputs. Progress: 10 once the base is open, 20 once the attachment is, then 80 / (the
    // pieces of both) added after each piece, then 100. False, with output as it was, when an
    // input is not a readable regular file, a write fails or the merge is cancelled.
    bool merge(const QString &base, const QString &attachment, const QString &output, bool replace);
    void cancel() { m_cancel = true; }

signals:
    void progress(int value);

private:
    std::atomic_bool m_cancel{false};
};
