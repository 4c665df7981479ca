#pragma once

#include <memory>
#include <vector>

#include <QString>

#include "DiscTocEntry.h"

class CdRipLibrary;

// The table of contents of the disc in one drive, with the disc's CDDB identifier and query
// text. Made by CdDrive::TOC.
class DiscToc {
public:
    qint32 Count() const { return m_count; }
    // Track lIndex, counting from 1; std::out_of_range outside 1..Count.
    const DiscTocEntry &Entry(qint32 lIndex) const;
    // "cddb query <id> <count> <offset>... <seconds>", in lower case: the disc's CDDB identifier
    // in hexadecimal, the tracks' disc addresses and the disc's length up to the lead-out.
    QString CDDBQuery() const;

    // The library the table was read from, for rippers of its tracks.
    std::shared_ptr<CdRipLibrary> library() const { return m_library; }

private:
    friend class CdDrive;
    explicit DiscToc(std::shared_ptr<CdRipLibrary> library);
    void fInit(qint32 index);
    quint32 computeCDDBId() const;

    std::shared_ptr<CdRipLibrary> m_library;
    qint32 m_count = 0;
    std::vector<DiscTocEntry> m_entries; // "T1".."Tn" in track order
    qint64 m_totalLengthSectors = 0;     // lead-out start + 150
    quint32 m_cddbId = 0;
};
