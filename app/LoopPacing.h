#pragma once
// How a long loop over the recipes lets the window breathe: paints and timers
// get a turn of the event loop (user input waits, so nothing re-enters the
// loop) once a period has passed since the last turn, by default a screen
// refresh (1/60 s). A turn per row would cost more than the row's own work
// on a busy display, and nothing on screen can change faster than a refresh.
#include <cstdint>

class LoopPacing {
public:
    explicit LoopPacing(int32_t turnsPerSecond = 60);
    // True when a period has passed since the last turn; the caller then
    // shows its progress and calls turn().
    bool due() const;
    // Gives the event loop its turn and starts the next period.
    void turn();
    // Called after each row: turns the event loop when a period has passed.
    void rowDone() {
        if (due()) turn();
    }
    // The loop is over: what the user typed or clicked meanwhile, held back
    // by the turns, is delivered now, as it is after a job that never turned
    // (printing). Called before the job shows its outcome: a box shown first
    // would take those keys, and clicks on the window behind it would be lost.
    void finish();

private:
    int64_t period_;
    int64_t lastTurn_;
};
