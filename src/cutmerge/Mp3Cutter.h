#pragma once

#include <atomic>

#include <QObject>

// Copies a stretch of an MP3 file into a new file, with no frame parsing: byte positions follow
// from marks in whole seconds by proportion, the file's length over its duration in whole seconds
// being the byte rate. The copy is a plain one (no header rebuilt, no tag added or removed). One
// object per cut; cut() may run on a worker thread and cancel() come from another.
class Mp3Cutter : public QObject {
    Q_OBJECT
public:
    struct Span {
        qint64 offset = 0;
        qint64 length = 0;
        bool operator==(const Span &) const = default;
    };

    // r = fileLength / durationSeconds; b and e = the marks times r, rounded halves to even. The
    // span is the e - b bytes from offset b - 1 (0 when b is 0). durationSeconds must be above 0
    // and beginMark below endMark.
    static Span span(qint64 fileLength, qint32 durationSeconds, qint32 beginMark, qint32 endMark);

    // Writes the span of input to output (bytes past the input's end as zeros), replacing a file
    // of that name only when replace is set; output may be input. False, with output as it was,
    // when a read or write fails or the cut is cancelled.
    bool cut(const QString &input, const Span &span, const QString &output, bool replace);
    void cancel() { m_cancel = true; }

signals:
    // After each piece written.
    void progress(qint64 done, qint64 total);

private:
    std::atomic_bool m_cancel{false};
};
