#include "ProgressScale.h"

#include <algorithm>
#include <cmath>

bool ProgressScale::acceptable(float left, float right) const
{
    return std::isfinite(left) && std::isfinite(right) && left != right;
}

void ProgressScale::setMin(float value)
{
    if (acceptable(value, m_max))
        m_min = value;
}

void ProgressScale::setMax(float value)
{
    if (value != 0.0f && acceptable(m_min, value))
        m_max = value;
}

int ProgressScale::pixelOf(float x, int width) const
{
    const double pixel = (double(x) - m_min) / (double(m_max) - m_min) * width;
    return int(std::lround(std::clamp(pixel, 0.0, double(width))));
}

std::pair<int, int> ProgressScale::barSpan(int width) const
{
    if (width <= 0 || !std::isfinite(m_value))
        return {0, 0};
    const int from = pixelOf(0.0f, width);
    const int to = pixelOf(m_value, width);
    return {std::min(from, to), std::abs(to - from)};
}
