#include "PathStrip.h"

namespace {
constexpr int kTwipsPerPixel = 15;
constexpr int kStepTwips = 60; // every 45 ms, with the credit line
constexpr int kRestartBelowTwips = -10000;
} // namespace

void PathStrip::step()
{
    if (m_twips > kRestartBelowTwips)
        m_twips -= kStepTwips;
    else
        m_twips = width() * kTwipsPerPixel;
    moveTextTo(m_twips / kTwipsPerPixel);
    // The colour set after a step applies from the next one on.
    setTextColor(QColor(0, 0, 255));
}

#include "moc_PathStrip.cpp"
