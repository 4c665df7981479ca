#pragma once

#include <utility>

// The coordinate system of the progress bar: x runs from Min at the box's left edge to Max at
// its right edge, and the bar covers x from 0 to Value. Callers keep Min at 0, so the bar fills
// Value / Max of the box; Value beyond Max fills it all.
class ProgressScale {
public:
    float Min() const { return m_min; }
    float Max() const { return m_max; }
    float Value() const { return m_value; }

    // Rescales x from the new Min to the current Max. A scale of no width cannot be drawn and is
    // refused, as is one that is not a number.
    void setMin(float value);
    // Rescales x from the current Min to the new Max. 0 is ignored, so a caller that divides by a
    // total of 0 keeps the earlier maximum.
    void setMax(float value);
    // Any value: a negative one draws the bar from Value up to 0, which stays off the box while
    // Min is 0.
    void setValue(float value) { m_value = value; }

    // The bar's left pixel and width inside a box of `width` pixels, clipped to the box.
    std::pair<int, int> barSpan(int width) const;

private:
    bool acceptable(float left, float right) const;
    int pixelOf(float x, int width) const;

    float m_min = 0.0f;
    float m_max = 1.0f;
    float m_value = 0.0f;
};
