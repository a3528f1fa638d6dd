#include "controls/doubleclick/DoubleClickCanvas.h"

#include <cstdlib>

#include "controls/doubleclick/DoubleClickTime.h"
#include "framework/runtime/SystemInfo.h"

namespace {
// The tolerance is a square, tested per axis, equal counting.
bool nearEnough(int32_t a, int32_t b) { return std::abs(static_cast<double>(sub32(a, b))) <= 5.0; }
}  // namespace

DoubleClickCanvas::DoubleClickCanvas() : lastClickTicks(0), lastClickX(0), lastClickY(0) {}

void DoubleClickCanvas::handleMouseUp(int32_t x, int32_t y) {
    const int32_t interval = DoubleClickTicks();
    // Read once: the stored time is the mouse-up's own, not the time after
    // the DoubleClick handler returned.
    const int32_t now = Ticks();
    if (withinDoubleClickTime(now, lastClickTicks, interval) && nearEnough(x, lastClickX) &&
        nearEnough(y, lastClickY))
        DoubleClick();
    lastClickTicks = now;
    lastClickX = x;
    lastClickY = y;
}
