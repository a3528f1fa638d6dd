#pragma once
// The machine as the old framework showed it to the product: screens and
// installed fonts, answered by the replaceable services.
#include "framework/runtime/Services.h"

#include <cstdint>
#include <string>

int32_t ScreenCount();
// Screen i from 0 (zeros for a screen that does not exist).
ScreenInfo Screen(int32_t index);

int32_t FontCount();
// Font family i from 0; "" out of range.
std::string Font(int32_t index);

// Sixtieths of a second since the system started (the monotonic clock, as
// the old platform counted them), wrapping as a 32-bit integer (compare
// with sub32), and microseconds since the system started.
int32_t Ticks();
double Microseconds();

// The double-click interval in ticks (the old platform's GetDblTime).
int32_t DoubleClickTicks();
