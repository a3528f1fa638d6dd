#pragma once
// The desktop test driver's proof that its input has been handled.
//
// Input sent through XTest reaches the program some time after the sending
// tool has returned: on a busy machine the display server or the program may
// not have read it yet, and a program that shows no change then looks idle.
// After each input the driver therefore sets a counter on the root window's
// property _LARDERWISE_INPUT_MARK. The server handles the queued input before
// that later request, so the program reads the property change after the
// input's own events; the probe reports the last counter read ("inputMark"),
// and the driver waits for its own counter before it waits for idle.
#include <cstdint>

namespace DesktopInputMark {

// Starts listening on an X11 display; does nothing on another platform.
// Called by the probe once the QApplication exists.
void install();

// The last counter the driver set, -1 before the first.
int64_t last();

}  // namespace DesktopInputMark
