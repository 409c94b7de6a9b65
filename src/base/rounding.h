#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// Rounds to the nearest integer, halves to even (the default rounding mode).
// False for NaN, an infinity or a value outside the signed 64-bit range.
inline bool RoundToInt64(long double value, std::int64_t& result)
{
#if defined(__x86_64__) || defined(__i386__)
    // llrint is the x87 store fistp here (inline under -fno-math-errno, the library's
    // own otherwise): it rounds in the current mode, as nearbyint does, and gives
    // the "integer indefinite" 0x8000000000000000 for an unrepresentable value.
    const std::int64_t rounded = std::llrint(value);
    if (rounded == std::numeric_limits<std::int64_t>::min() && value != -0x1p63L) [[unlikely]]
        return false;
    result = rounded;
    return true;
#else
    const long double rounded = std::nearbyint(value);
    if (!(rounded >= -0x1p63L && rounded < 0x1p63L))
        return false;
    result = static_cast<std::int64_t>(rounded);
    return true;
#endif
}

// A whole number in the signed 64-bit range, and which one; no library call
// and no change of the rounding mode (a cast to an integer needs both).
inline bool WholeToInt64(long double value, std::int64_t& result)
{
    std::int64_t rounded = 0;
    if (!RoundToInt64(value, rounded) || static_cast<long double>(rounded) != value)
        return false;
    result = rounded;
    return true;
}
