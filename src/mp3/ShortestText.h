#pragma once

#include <QString>

// Decimal text with the fewest digits that read back as the same number: the float 250.05 is
// "250.05", not 250.0500030517578. Non-finite values give "inf", "-inf" or "nan".
class ShortestText {
public:
    static QString of(float value);
    static QString of(double value);
};
