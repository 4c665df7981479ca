#pragma once

#include <QString>

// Numbers as the cutter and merger window writes them: general decimal form, at most 15
// significant digits, no leading blank and no trailing zeros ("4.57763671875", "240"); an exponent
// only for very large or small values ("1E+15", "1E-05").
class GeneralDecimal {
public:
    static QString of(double value);
};
