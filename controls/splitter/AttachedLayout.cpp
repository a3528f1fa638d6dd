#include "controls/splitter/AttachedLayout.h"

#include "controls/splitter/SplitterTravel.h"
#include "framework/runtime/Numbers.h"

namespace {
struct Axis {
    int64_t barPos, barThick, pos, size;
};

Axis axisOf(bool vertical, const Box& bar, const Box& c) {
    return vertical ? Axis{bar.left, bar.width, c.left, c.width} : Axis{bar.top, bar.height, c.top, c.height};
}

// Covered by the bar: a vertical bar may overlap a fixed control by one
// pixel, a horizontal one by two, before it counts as covered.
bool coveredByBar(bool vertical, bool behind, const Axis& a, int64_t pos, int64_t size) {
    const int64_t tolerance = vertical ? 1 : 2;
    if (behind) return a.barPos + tolerance < pos + size;
    return pos < a.barPos + a.barThick - tolerance;
}

bool sticksOut(const Box& c, const Box& p) {
    return c.left < p.left || int64_t{p.left} + p.width < int64_t{c.left} + c.width || c.top < p.top ||
           int64_t{p.top} + p.height < int64_t{c.top} + c.height;
}
}  // namespace

LayoutDecision layoutAttachedControl(const SplitterModel& m, const AttachedControl& e, const Box& bar,
                                     int32_t distance, const LayoutSubject& s) {
    const Axis a = axisOf(m.isVertical, bar, s.box);
    int64_t pos = a.pos, size = a.size;
    if (e.behind) {
        if (e.shouldCenter) {
            // Centred between the near limit's bar edge and the bar.
            pos = toInt32(m.MinLimit + a.barThick / 2.0 + (a.barPos - m.MinLimit) / 2.0 - a.size / 2.0);
        } else {
            if (e.shouldMove) pos += distance;
            if (e.shouldResize) size += distance;
        }
    } else {
        if (e.shouldCenter) {
            // Centred between the bar's far edge and the far limit.
            const int64_t barEnd = a.barPos + a.barThick;
            pos = toInt32(static_cast<double>(barEnd) + static_cast<double>(m.MaxLimit - barEnd) / 2.0 - a.size / 2.0);
        } else {
            if (e.shouldMove) pos += distance;
            if (e.shouldResize) size -= distance;
        }
    }

    LayoutDecision d;
    d.position = saturate32(pos);
    d.extent = saturate32(size);
    d.hideBeforeResizing = d.extent < 1 && s.visible;
    const bool visibleNow = s.visible && !d.hideBeforeResizing;

    bool show = e.minSizeVisible <= d.extent && !(d.extent < 1);
    if (!e.shouldMove && !e.shouldResize && coveredByBar(m.isVertical, e.behind, a, d.position, d.extent))
        show = false;
    if (!s.isSmartSplitter && s.parent) {
        Box placed = s.box;
        (m.isVertical ? placed.left : placed.top) = d.position;
        (m.isVertical ? placed.width : placed.height) = d.extent;
        if (sticksOut(placed, *s.parent)) show = false;
    }

    if (show && !visibleNow && e.normallyVisible) d.afterwards = VisibilityChange::Show;
    else if (!show && visibleNow) d.afterwards = VisibilityChange::Hide;
    return d;
}
