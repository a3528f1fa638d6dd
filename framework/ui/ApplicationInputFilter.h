#pragma once
// The application-wide input filter (internal): keeps the held-key set
// before any control sees a key, clears it when the application loses the
// activation, routes keys that reach a window to its KeyDown, and marks
// where a drag from the window system begins and ends. Owned by
// the QApplication; installing twice does nothing.
void installApplicationInputFilter();
