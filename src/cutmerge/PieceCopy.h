#pragma once

#include <functional>

#include <QFile>

#include "UnnamedFile.h"

// An output file put together from byte ranges of other files, one piece at a time, so memory
// stays at one piece whatever the sizes. It is written unnamed and takes its name only when
// complete: an input may be the output itself, and a failure, a stop or a killed process leaves
// any earlier file of that name as it was.
class PieceCopy {
public:
    static constexpr qint64 kPieceBytes = 1048576;
    // The pieces a range of this length is copied in: at least one (an empty range is one empty
    // piece), the last one holding the rest.
    static qint64 pieceCount(qint64 length);

    explicit PieceCopy(const QString &output);

    // Appends length bytes of source from offset; bytes past the source's end read as zeros.
    // afterPiece runs after each piece and returns false to stop. False when the source is not a
    // readable regular file, a write fails or the copy was stopped.
    bool append(const QString &source, qint64 offset, qint64 length,
                const std::function<bool()> &afterPiece);
    // Moves the output into place, replacing a file of that name only when replace is set.
    bool commit(bool replace);

private:
    UnnamedFile m_part;
    QFile m_file;
};
