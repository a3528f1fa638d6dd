#pragma once
// A window onto the running program for the desktop test tier.
//
// When the environment variable LARDERWISE_DESKTOP_PROBE names a file, the
// program rewrites that file (atomically: temporary file, then rename) about
// every 50 ms of event-loop time, nested loops of modal boxes included, with
// JSON describing what is on screen:
//   serial      counts the writes; a write after the driver's input means the
//               loop turned since (the driver's "wait for idle")
//   at          when it was written: seconds since 1970, to the microsecond
//   inputMark   the driver's last input mark the program has read
//               (DesktopInputMark.h)
//   quitting    a Quit was requested
//   busy        a select is reading on its own thread (the live search): what
//               it will show is not on screen yet
//   windows     every shown framework window, front first: title, active (the
//               framework's activation), qtActive (the window system's), the
//               client area's global rectangle, the focused control's name
//               (the framework's focus model), the menu bar's titles and
//               rectangles, and every control: name, index, class, global
//               rectangle, visible, enabled, hasQtFocus; editors add their
//               text, caret, selectionStart/-Length, and (multi-line) topLine,
//               the first line in view as ScrollPosition counts it, and
//               scroll; lists add rowCount and the rows in view (row, text
//               of the first column, selected, global rectangle)
//   dialogs     every other visible top-level window (message boxes, file and
//               colour dialogs): title, class, text, informative text, buttons
//               and line edits with their labels/texts and global rectangles
//   popup       the open pop-up menu's items with their rectangles, or null
// LARDERWISE_DESKTOP_PROBE_MS sets another interval (a benchmark's finer grain).
// With the variable unset nothing is installed and nothing is written.
namespace DesktopProbe {

// Called once the QApplication exists.
void installIfRequested();

}  // namespace DesktopProbe
