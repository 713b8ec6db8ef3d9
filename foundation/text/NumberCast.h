#pragma once

#include <cfloat>
#include <cmath>
#include <cstdint>

// Conversions from floating point that C++ leaves undefined for NaN and for
// values out of range. They give what the x86 conversion instructions give,
// so stored values read the same in every build.

// NaN and values outside the signed 64-bit range give the "integer
// indefinite" 0x8000000000000000; others are truncated toward zero.
inline int64_t truncateToInt64(double value)
{
    if (!(value >= -9223372036854775808.0 && value < 9223372036854775808.0))
        return INT64_MIN;
    return static_cast<int64_t>(value);
}

// Values up to 2^64 are truncated; negative values wrap modulo 2^64 as
// their signed truncation does.
inline uint64_t truncateToUInt64(double value)
{
    if (value >= 0.0 && value < 18446744073709551616.0)
        return static_cast<uint64_t>(value);
    return static_cast<uint64_t>(truncateToInt64(value));
}

// The 32-bit conversions keep the low 32 bits of the 64-bit truncation.
inline int32_t truncateToInt32(double value)
{
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(truncateToInt64(value))));
}

inline uint32_t truncateToUInt32(double value)
{
    return static_cast<uint32_t>(static_cast<uint64_t>(truncateToInt64(value)));
}

// Values beyond the float range become infinities of their sign.
inline float narrowToFloat(double value)
{
    if (std::isfinite(value) && std::fabs(value) > FLT_MAX)
        return value > 0 ? HUGE_VALF : -HUGE_VALF;
    return static_cast<float>(value);
}
