#pragma once
// The application-wide input filter (internal): keeps the held-key set
// before any control sees a key, clears it when the application loses the
// activation, and routes keys that reach a window to its KeyDown. Owned by
// the QApplication; installing twice does nothing.
void installApplicationInputFilter();
