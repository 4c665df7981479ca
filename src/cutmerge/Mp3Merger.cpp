#include "Mp3Merger.h"

#include "PieceCopy.h"
#include "RegularFile.h"

bool Mp3Merger::merge(const QString &base, const QString &attachment, const QString &output,
                      bool replace)
{
    if (!RegularFile::exists(base))
        return false;
    const qint64 baseLength = RegularFile::sizeOf(base);
    emit progress(10);
    if (!RegularFile::exists(attachment))
        return false;
    const qint64 attachmentLength = RegularFile::sizeOf(attachment);
    int value = 20;
    emit progress(value);

    const int step =
        int(80 / (PieceCopy::pieceCount(baseLength) + PieceCopy::pieceCount(attachmentLength)));
    const auto afterPiece = [&] {
        value += step;
        emit progress(value);
        return !m_cancel;
    };
    PieceCopy copy(output);
    if (!copy.append(base, 0, baseLength, afterPiece) ||
        !copy.append(attachment, 0, attachmentLength, afterPiece) || !copy.commit(replace))
        return false;
    emit progress(100);
    return true;
}

#include "moc_Mp3Merger.cpp"
