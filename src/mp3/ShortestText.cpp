#include "ShortestText.h"

#include <charconv>

namespace {
template <typename Real> QString shortest(Real value)
{
    char digits[32];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return QString::fromLatin1(digits, result.ptr - digits);
}
} // namespace

QString ShortestText::of(float value) { return shortest(value); }

QString ShortestText::of(double value) { return shortest(value); }
