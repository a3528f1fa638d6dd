#pragma once
// When a click counts as the second of a double click, by time alone: the
// ticks since the previous click, taken as a wrapping 32-bit difference (the
// tick count wraps, and a signed subtraction could overflow), are at most the
// user's double-click interval. Exactly the interval still counts.
#include <cstdint>

#include "framework/runtime/Numbers.h"

inline bool withinDoubleClickTime(int32_t nowTicks, int32_t lastTicks, int32_t intervalTicks) {
    return sub32(nowTicks, lastTicks) <= intervalTicks;
}
