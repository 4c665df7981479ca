#include "DiscLayout.h"

#include <algorithm>

#include <QtEndian>

DiscLayout::DiscLayout(const std::vector<TOCENTRY> &toc)
{
    if (toc.size() < 2)
        return;
    for (size_t i = 0; i + 1 < toc.size(); ++i) {
        m_starts.push_back(qFromLittleEndian<qint32>(toc[i].data() + TocEntryRecord::StartSector));
        m_numbers.push_back(toc[i][TocEntryRecord::TrackNumber]);
        m_audio.push_back((toc[i][TocEntryRecord::Flag] & 0x04) == 0);
    }
    m_leadOut = qFromLittleEndian<qint32>(toc.back().data() + TocEntryRecord::StartSector);
}

int DiscLayout::indexOf(int number) const
{
    const auto found = std::find(m_numbers.begin(), m_numbers.end(), number);
    return found == m_numbers.end() ? -1 : int(found - m_numbers.begin());
}

qint32 DiscLayout::end(int index) const
{
    return index + 1 < count() ? m_starts[index + 1] : m_leadOut;
}

int DiscLayout::indexAt(qint32 sector) const
{
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), sector);
    return std::max(0, int(after - m_starts.begin()) - 1);
}

bool DiscLayout::isAudio(qint32 sector) const { return !isEmpty() && m_audio[indexAt(sector)]; }
