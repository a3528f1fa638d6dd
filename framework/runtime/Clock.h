#pragma once
// The one source of time for the whole system, replaceable by tests: a fake
// clock makes Ticks, Microseconds and the current date deterministic.
#include <cstdint>
#include <functional>

namespace Clock {

// Microseconds since the Unix epoch, UTC.
int64_t nowMicroseconds();

// Seconds east of UTC for the local time zone at the given moment.
int32_t localOffsetSeconds(int64_t microsecondsSinceEpoch);

// Microseconds since the process started (the fake clock's value as it is).
int64_t microsecondsSinceStart();

// Ticks (1/60 s) since the process started, as a wrapping 32-bit count.
int32_t ticks();

// Tests: replace the clock. `now` answers microseconds since the epoch; the
// tick count is derived from it. Pass nullptr to go back to the real clock.
void setFake(std::function<int64_t()> now, int32_t localOffsetSeconds = 0);

}  // namespace Clock
