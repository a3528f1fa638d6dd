#include "controls/splitter/SplitterTravel.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "framework/runtime/Numbers.h"

int32_t saturate32(int64_t value) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(value, lo, hi));
}

namespace {
void forgetUnsetMinLimit(SplitterModel& m) {
    if (m.MinLimit == kUnsetMinLimit) m.MinLimit = 0;
}

// The distance that takes the bar to its proportion of the current range.
// A proportion set from code may be NaN (the bar then stays) or huge (the
// target saturates and the limits bring it back).
int64_t distanceToProportion(const SplitterModel& m, int32_t position) {
    const double range = static_cast<double>(int64_t{m.proportionMax} - m.proportionMin);
    const double target = m.proportionMin + range * m.proportionValue - position;
    if (std::isnan(target)) return 0;
    return toInt32(std::clamp(target, -2147483648.0, 2147483647.0));
}
}  // namespace

void assignLimits(SplitterModel& m, std::optional<AxisSpan> minControl, std::optional<AxisSpan> maxControl,
                  int32_t barThickness, int32_t windowExtent) {
    forgetUnsetMinLimit(m);
    if (minControl) {
        m.proportionMin = saturate32(int64_t{minControl->position} - barThickness);
        if (!m.minLimitPropSet) m.MinLimit = m.proportionMin;
    }
    if (maxControl)
        m.proportionMax = saturate32(int64_t{maxControl->position} + maxControl->extent);
    else
        m.proportionMax = saturate32(int64_t{m.MaxLimit} + windowExtent - m.windowSizeLast);
    if (!m.maxLimitPropSet) m.MaxLimit = m.proportionMax;
    m.windowSizeLast = windowExtent;
}

TravelStep planMove(SplitterModel& m, int32_t position, int32_t distance, bool fromResize) {
    forgetUnsetMinLimit(m);
    const int64_t pos = position;
    int64_t d = distance;
    if (fromResize && m.StayProportional) d = distanceToProportion(m, position);

    // Near side: inside the first half of the reserve zone the bar snaps onto
    // the limit (and stays there through resizes); elsewhere it stops at the
    // zone's edge.
    const int64_t minLimit = m.MinLimit, maxLimit = m.MaxLimit;
    const bool inNearZone = static_cast<double>(pos + d) < m.MinLimit + m.MinLimitOffset / 2.0;
    if ((inNearZone || (m.atMinLimit && fromResize)) && !m.StopAtMinOffset) {
        m.atMinLimit = true;
        d = minLimit - pos;
    } else {
        m.atMinLimit = false;
        if (pos + d < minLimit + m.MinLimitOffset) d = minLimit + m.MinLimitOffset - pos;
    }

    const bool inFarZone = static_cast<double>(pos + d) > m.MaxLimit - m.MaxLimitOffset / 2.0;
    if ((inFarZone || (m.atMaxLimit && fromResize)) && !m.StopAtMaxOffset) {
        m.atMaxLimit = true;
        d = maxLimit - pos;
    } else {
        m.atMaxLimit = false;
        if (pos + d > maxLimit - m.MaxLimitOffset) d = maxLimit - m.MaxLimitOffset - pos;
    }

    // The hard limits; when they cross, the far one wins.
    if (pos + d < minLimit) d = minLimit - pos;
    if (pos + d > maxLimit) d = maxLimit - pos;

    // An empty range: a bar beyond its start counts as at the far end, one
    // exactly on it as at the near end.
    const int64_t numerator = pos - m.proportionMin + d;
    const int64_t span = int64_t{m.proportionMax} - m.proportionMin;
    double pv = span != 0 ? static_cast<double>(numerator) / static_cast<double>(span) : (numerator > 0 ? 1.0 : 0.0);
    pv = std::max(0.0, pv);
    pv = std::min(1.0, pv);
    m.proportionValue = pv;

    return TravelStep{saturate32(d), saturate32(pos + d), d != 0 || fromResize};
}

double proportionAt(int32_t position, int32_t proportionMin, int32_t proportionMax) {
    const int64_t span = int64_t{proportionMax} - proportionMin;
    if (span == 0) return 0.0;
    return static_cast<double>(int64_t{position} - proportionMin) / static_cast<double>(span);
}
