#include "GeneralDecimal.h"

QString GeneralDecimal::of(double value)
{
    return QString::number(value, 'g', 15).toUpper(); // the exponent is written "E"
}
