#pragma once
// The one source of time for the whole system, replaceable by tests.
//
// Two clocks, as on the old platform: the wall clock (dates, the current
// time of day), which the user or the network may set back or forward, and
// the time since the system started (Ticks, Microseconds), read from the
// monotonic clock so no change of the wall clock ever moves it. Intervals
// (double clicks, type-ahead, pacing) are measured on the second.
#include <cstdint>
#include <functional>

namespace Clock {

// Microseconds since the Unix epoch, UTC (the wall clock).
int64_t nowMicroseconds();

// Seconds east of UTC for the local time zone at the given moment.
int32_t localOffsetSeconds(int64_t microsecondsSinceEpoch);

// Microseconds since the system started, from the monotonic clock.
int64_t microsecondsSinceBoot();
// The same count (the name older callers use).
inline int64_t microsecondsSinceStart() { return microsecondsSinceBoot(); }

// Ticks (1/60 s) since the system started, as a wrapping 32-bit count.
int32_t ticks();

// Tests: replace both clocks with one function answering microseconds (since
// the epoch for dates, since the system started for Ticks). nullptr = the
// real clocks.
void setFake(std::function<int64_t()> now, int32_t localOffsetSeconds = 0);
// Tests: then replace the monotonic clock alone (microseconds since the
// system started), so dates and Ticks move apart as on a real machine.
void setFakeSinceBoot(std::function<int64_t()> sinceBoot);

}  // namespace Clock
