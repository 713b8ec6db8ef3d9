#pragma once

#include <cmath>
#include <cstdint>

// Rounds half away from zero (2.5 gives 3, -2.5 gives -3). Sizes and widths
// come from settings and skins, so NaN gives 0 and values beyond the int range
// saturate instead of overflowing.
inline int32_t roundHalfAwayFromZero(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = value < 0 ? std::ceil(value - 0.5) : std::floor(value + 0.5);
    if (rounded >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (rounded <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<int32_t>(rounded);
}

// Truncates toward zero, with the same care for NaN and the int range.
inline int32_t truncateToInt(double value)
{
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(INT32_MAX))
        return INT32_MAX;
    if (value <= static_cast<double>(INT32_MIN))
        return INT32_MIN;
    return static_cast<int32_t>(value);
}

// a + b in 64 bits, saturated to the int range: rectangle edges built from
// caller coordinates must not overflow.
inline int32_t saturatedSum(int64_t a, int64_t b)
{
    const int64_t sum = a + b;
    if (sum > INT32_MAX)
        return INT32_MAX;
    if (sum < INT32_MIN)
        return INT32_MIN;
    return static_cast<int32_t>(sum);
}
