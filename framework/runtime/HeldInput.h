#pragma once
// Keys and clicks made while a long job runs (an export, a conversion, a
// print). The job's turns of the event loop let paints and timers run, so
// the window stays drawn, but no handler may be re-entered by the user's
// input: it is held here, in its order, and delivered once the job ends,
// to the windows it was made in. The toolkit's own way of holding input
// back delivers it only with the next event from the window system, which
// for a job ending in a box is the box's own: the keys went to the box and
// the clicks on the window behind it were thrown away.
#include <functional>

class QObject;

namespace HeldInput {
// From now on user input waits (a second call changes nothing). It is
// delivered by release(), or, for a job that ends without saying so, once
// the loop turns outside every job.
void hold();
// Delivers what waited, in order, and stops holding. Input for a window a
// modal box now blocks is dropped, as the toolkit drops it.
void release();
// A drop made while a job runs: the desktop has been told it was taken, and
// `deliver` runs in its place among the held input (at once when nothing
// is held), even for a window a modal box blocks by then: the desktop was
// told the drop was taken. `target` is the widget it was dropped on; a drop
// on a widget gone by then goes with it.
void hold(QObject& target, std::function<void()> deliver);
}  // namespace HeldInput
