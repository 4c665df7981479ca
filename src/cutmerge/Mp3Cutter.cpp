#include "Mp3Cutter.h"

#include <cmath>

#include "PieceCopy.h"

Mp3Cutter::Span Mp3Cutter::span(qint64 fileLength, qint32 durationSeconds, qint32 beginMark,
                                qint32 endMark)
{
    const double rate = double(fileLength) / durationSeconds;
    // nearbyint follows the default rounding mode: to nearest, halves to even.
    const auto atMark = [rate](qint32 mark) { return qint64(std::nearbyint(mark * rate)); };
    const qint64 begin = atMark(beginMark);
    const qint64 end = atMark(endMark);
    return {begin == 0 ? 0 : begin - 1, end - begin};
}

bool Mp3Cutter::cut(const QString &input, const Span &span, const QString &output, bool replace)
{
    PieceCopy copy(output);
    qint64 done = 0;
    const bool copied = copy.append(input, span.offset, span.length, [&] {
        done = std::min(span.length, done + PieceCopy::kPieceBytes);
        emit progress(done, span.length);
        return !m_cancel;
    });
    return copied && copy.commit(replace);
}

#include "moc_Mp3Cutter.cpp"
