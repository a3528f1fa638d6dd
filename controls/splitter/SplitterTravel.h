#pragma once
// The travel rules of a splitter bar: the limits it may move between, the
// reserve zones beside them (where the bar either stops or snaps onto the
// limit), and the proportion that remembers where it stands. Everything is
// measured along the bar's axis: x for a vertical bar, y for a horizontal one.
//
// Positions are 32-bit, but the sums here are taken in 64 bits and only the
// results are brought back, so extreme values from code cannot overflow.
#include <cstdint>
#include <optional>

#include "controls/splitter/SplitterModel.h"

// A limit value that means "not given": replaced by 0 before use.
constexpr int32_t kUnsetMinLimit = 9999;

// A control's place along the axis: its Left and Width (or Top and Height).
struct AxisSpan {
    int32_t position = 0;
    int32_t extent = 0;
};

// Clamps a 64-bit result into the 32-bit range.
int32_t saturate32(int64_t value);

// Re-derives proportionMin/Max and the limits not given at design time from
// the outermost attached controls (none: the window's growth since the last
// call moves the far limit), then records the window extent.
void assignLimits(SplitterModel& m, std::optional<AxisSpan> minControl, std::optional<AxisSpan> maxControl,
                  int32_t barThickness, int32_t windowExtent);

struct TravelStep {
    int32_t distance = 0;     // how far the bar moves (saturated for reporting)
    int32_t newPosition = 0;  // where it ends
    bool act = false;         // move the bar and lay its controls out
};

// Decides how far a bar at `position` goes when asked to move by `distance`
// (ignored when a resize keeps the proportion), updating the snap marks and
// the proportion. Acts when the bar moves or when a resize asks for it.
TravelStep planMove(SplitterModel& m, int32_t position, int32_t distance, bool fromResize);

// Where `position` stands between proportionMin and proportionMax, not
// clamped (a bar may start outside its range). An empty range gives 0.
double proportionAt(int32_t position, int32_t proportionMin, int32_t proportionMax);
