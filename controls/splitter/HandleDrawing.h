#pragma once
// Draws a bar's grip (and, while a drag without live layout is under way,
// the bar's outline) in the bar's own coordinates.
#include <cstdint>

#include "controls/splitter/SplitterModel.h"

class Graphics;

// What the bar looks like at this paint, beyond its model.
struct HandleScene {
    int32_t width = 0, height = 0;
    int32_t top = 0;            // the bar's Top in the window
    bool active = false;   // the bar's window is the active one
    bool enabled = false;
};

void drawHandle(Graphics& g, const SplitterModel& m, const HandleScene& scene);
