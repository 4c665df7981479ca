#pragma once

#include <vector>

#include <QtGlobal>

#include "CdRipLibrary.h"

// Where a disc's tracks lie, from a table of contents: sectors of 1/75 second, 588 stereo
// frames each. Tracks are indexed from 0 here; their numbers are the disc's own.
class DiscLayout {
public:
    DiscLayout() = default;
    // An empty table gives a disc with no tracks.
    explicit DiscLayout(const std::vector<TOCENTRY> &toc);

    bool operator==(const DiscLayout &other) const = default;

    int count() const { return int(m_starts.size()); }
    bool isEmpty() const { return m_starts.empty(); }
    int number(int index) const { return m_numbers[index]; }
    // -1 when no track has that number.
    int indexOf(int number) const;
    qint32 start(int index) const { return m_starts[index]; }
    qint32 end(int index) const;
    qint32 leadOut() const { return m_leadOut; }
    // The track a sector belongs to; the last one for the lead-out.
    int indexAt(qint32 sector) const;
    bool isAudio(qint32 sector) const;

    static constexpr int kFramesPerSector = 588;
    static constexpr int kSectorsPerSecond = 75;

private:
    std::vector<qint32> m_starts;
    std::vector<int> m_numbers;
    std::vector<bool> m_audio;
    qint32 m_leadOut = 0;
};
