#pragma once
// A control's design place in one call, as window layouts write them: its
// rectangle in window coordinates and, where given, the window edges it
// keeps its distance to when the window resizes. Answers the control, so a
// layout can go on with it (place(*list, ...).TabPanelIndex = 1).
#include <cstdint>

#include "framework/ui/RectControl.h"

inline RectControl& place(RectControl& c, int32_t left, int32_t top, int32_t width, int32_t height) {
    c.Left = left;
    c.Top = top;
    c.Width = width;
    c.Height = height;
    return c;
}

inline RectControl& place(RectControl& c, int32_t left, int32_t top, int32_t width, int32_t height, bool lockLeft,
                          bool lockTop, bool lockRight, bool lockBottom) {
    place(c, left, top, width, height);
    c.LockLeft = lockLeft;
    c.LockTop = lockTop;
    c.LockRight = lockRight;
    c.LockBottom = lockBottom;
    return c;
}
