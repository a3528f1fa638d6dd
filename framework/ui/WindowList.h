#pragma once
// Every framework window, front to back, and the activation model.
//
// The front window is ours, not Qt's: offscreen and under some window
// managers Qt's activation is unreliable, so Show, a click or the test
// driver activate a window here, and Qt's activation changes are fed in as
// the same calls (duplicates change nothing). Activating a window
// deactivates the previous front window first (its focused control gets
// LostFocus), then raises Activate and GotFocus in the new one.
#include <memory>
#include <vector>

class Window;

namespace WindowList {

// Windows the runtime owns (built through accessors). Others (a window a
// test keeps on its stack) are only listed.
Window& own(std::unique_ptr<Window> window);
void add(Window& window);      // called by Window's constructor
void remove(Window& window);   // called by Window's destructor
bool contains(const Window* window);

std::vector<Window*> frontToBack();
// The active window; if none is active, the frontmost visible one.
Window* frontWindow();
// The active window, or nullptr.
Window* activeWindow();

void activate(Window& window);
void deactivate(Window& window);
// A window was hidden: if it was the active one, the next visible window
// becomes active.
void hidden(Window& window);
// A window closed: it leaves the list now and is deleted on the next turn of
// the event loop (or by deleteClosed()), so the handler that closed it can
// still finish. The next visible window becomes the active one.
void closed(Window& window);
void deleteClosed();

// Deletes every window now, without events (shut-down and test reset).
void releaseAll();

}  // namespace WindowList
