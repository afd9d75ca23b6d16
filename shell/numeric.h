#pragma once

#include <climits>
#include <cmath>

// Truncates towards zero like a plain cast, but a value beyond the int range
// saturates and NaN gives 0, where the plain cast would be undefined.
inline int trunc_to_int(double v)
{
    if (std::isnan(v))
        return 0;
    if (v >= static_cast<double>(INT_MAX))
        return INT_MAX;
    if (v <= static_cast<double>(INT_MIN))
        return INT_MIN;
    return static_cast<int>(v);
}
