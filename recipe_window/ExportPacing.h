#pragma once
// How a long loop over the recipes lets the window breathe: paints and timers
// get a turn of the event loop (user input waits, so nothing re-enters the
// loop) once a screen refresh, a tick of 1/60 s, has passed since the last
// turn. A turn per row would cost more than writing the row on a busy
// display, and nothing on screen can change faster than a tick.
#include <cstdint>

class ExportPacing {
public:
    ExportPacing();
    // Called after each row; turns the event loop when a tick has passed.
    void rowDone();

private:
    int64_t lastTurn_;
};
