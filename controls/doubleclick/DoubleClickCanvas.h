#pragma once
// A canvas that reports two mouse-ups within the user's double-click interval
// and within 5 pixels of each other on both axes as DoubleClick.
//
// It takes MouseUp for itself and does not pass it on. A mouse-up only
// arrives after a MouseDown that returned True, so the window's MouseDown
// handler decides which presses may become double clicks.
#include <cstdint>

#include "framework/ui/controls/Canvas.h"

class DoubleClickCanvas : public Canvas {
public:
    DoubleClickCanvas();

    // The previous mouse-up: the tick count read when it arrived, and where.
    Property<int32_t> lastClickTicks, lastClickX, lastClickY;

    Event<void()> DoubleClick;

    void handleMouseUp(int32_t x, int32_t y) override;

private:
    // The mouse-up is this class's own; a window cannot bind it.
    using Canvas::MouseUp;
};
