#include "PieceCopy.h"

#include <algorithm>

#include "RegularFile.h"

qint64 PieceCopy::pieceCount(qint64 length)
{
    return std::max<qint64>(1, (length + kPieceBytes - 1) / kPieceBytes);
}

PieceCopy::PieceCopy(const QString &output) : m_part(output)
{
    if (m_part.isOpen())
        m_file.open(m_part.descriptor(), QIODevice::WriteOnly | QIODevice::Unbuffered);
}

bool PieceCopy::append(const QString &source, qint64 offset, qint64 length,
                       const std::function<bool()> &afterPiece)
{
    const RegularFile input(source);
    if (!input.isOpen() || !m_file.isOpen())
        return false;
    const qint64 pieces = pieceCount(length);
    for (qint64 piece = 0; piece < pieces; ++piece) {
        const qint64 start = piece * kPieceBytes;
        const int count = int(std::min(kPieceBytes, length - start));
        const QByteArray bytes = input.readAt(offset + start, count);
        if (m_file.write(bytes) != bytes.size() || !afterPiece())
            return false;
    }
    return true;
}

bool PieceCopy::commit(bool replace)
{
    if (!m_file.isOpen())
        return false;
    m_file.close();
    return m_file.error() == QFileDevice::NoError && m_part.linkAs(replace);
}
