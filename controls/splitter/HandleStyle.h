#pragma once
// Which grip a bar shows: dimples or short bars, small or large, and how
// many, either from a style number or chosen by the bar's size.
#include <cstdint>
#include <vector>

#include "controls/splitter/SplitterModel.h"

// Style numbers: 0 automatic, 1 three small bars, 2 two large bars, 3 three
// small dimples, 4 one large dimple; any other number shows no grip and
// leaves the kind and size as they were.
// thickness/length are the bar's extent across and along itself; dimples are
// the automatic choice on a dark background.
void applyHandleType(SplitterModel& m, int32_t type, bool darkBackground, int32_t thickness, int32_t length);

// Offsets of the grip's elements from the bar's centre, nearest first to the
// origin side: symmetric, spaced by twice the element spacing.
std::vector<int32_t> handleOffsets(bool dimple, bool large, int32_t count);
