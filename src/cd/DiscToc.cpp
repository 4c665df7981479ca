#include "DiscToc.h"

#include <stdexcept>

#include <QtEndian>

#include "CdRipErrors.h"
#include "CdRipLibrary.h"

namespace {
qint64 digitSum(qint64 n)
{
    qint64 sum = 0;
    for (; n > 0; n /= 10)
        sum += n % 10;
    return sum;
}

// A shift by k keeps the low 32 bits; k of 0 or less leaves the value, 32 or more gives 0.
quint32 shiftLeft(qint64 value, int k)
{
    if (k <= 0)
        return quint32(value);
    return k >= 32 ? 0 : quint32(quint64(value) << k);
}

qint64 startSeconds(const DiscTocEntry &entry)
{
    return entry.StartTimeMinutes() * 60 + entry.StartTimeSeconds();
}
} // namespace

DiscToc::DiscToc(std::shared_ptr<CdRipLibrary> library) : m_library(std::move(library)) {}

void DiscToc::fInit(qint32 index)
{
    CdRipErrors::RaiseRipError(QStringLiteral("cCDToc.fInit"), m_library->CR_ReadToc(), true);
    m_count = m_library->CR_GetNumTocEntries();
    if (m_count <= 0)
        return;
    std::vector<TOCENTRY> records;
    for (qint64 i = 0; i <= m_count; ++i)
        records.push_back(m_library->CR_GetTocEntry(qint32(i)));
    const auto start = [&records](qint64 i) {
        return qFromLittleEndian<qint32>(records[std::size_t(i)].data() +
                                         TocEntryRecord::StartSector);
    };
    for (qint64 i = 0; i < m_count; ++i) {
        const TOCENTRY &record = records[std::size_t(i)];
        m_entries.push_back(
            DiscTocEntry(index, start(i), start(i + 1), record[TocEntryRecord::TrackNumber]));
    }
    m_totalLengthSectors = qint64(start(m_count)) + DiscTocEntry::kLeadInSectors;
    m_cddbId = computeCDDBId();
}

const DiscTocEntry &DiscToc::Entry(qint32 lIndex) const
{
    if (lIndex < 1 || qint64(lIndex) > qint64(m_entries.size()))
        throw std::out_of_range("no table-of-contents entry T" + std::to_string(lIndex));
    return m_entries[std::size_t(lIndex - 1)];
}

quint32 DiscToc::computeCDDBId() const
{
    qint64 sum = 0;
    for (const DiscTocEntry &entry : m_entries)
        sum += digitSum(startSeconds(entry));
    const qint64 total = m_totalLengthSectors / 4500 * 60 + (m_totalLengthSectors / 75) % 60;
    const qint64 first = startSeconds(m_entries.front());
    return shiftLeft(sum % 255, 24) | shiftLeft(total - first, 8) | quint32(m_count);
}

QString DiscToc::CDDBQuery() const
{
    QString query = QStringLiteral("cddb query %1 %2").arg(m_cddbId, 0, 16).arg(m_count);
    for (const DiscTocEntry &entry : m_entries)
        query += QLatin1Char(' ') + QString::number(entry.Offset());
    return (query + QLatin1Char(' ') + QString::number(m_totalLengthSectors / 75)).toLower();
}
