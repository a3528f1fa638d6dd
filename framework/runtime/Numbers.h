#pragma once
// Integer rules of the old framework, made defined in C++: a double becomes a
// 32-bit integer by dropping its fraction, and 32-bit arithmetic wraps.
#include <cmath>
#include <cstdint>
#include <limits>

// Truncates toward zero. NaN and values outside the 32-bit range give
// INT32_MIN, which is what the x86 conversion instruction yields.
inline int32_t toInt32(double value) {
    if (std::isnan(value) || value >= 2147483648.0 || value <= -2147483649.0)
        return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

// a - b with 32-bit wrap-around, for differences of tick counts.
inline int32_t sub32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b));
}

inline int32_t add32(int32_t a, int32_t b) {
    return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b));
}
