#include "simvariable.h"

double SimVariable::clamped(double v) const
{
    if (hasMin && v < min)
        v = min;
    if (hasMax && v > max)
        v = max;
    return v;
}
