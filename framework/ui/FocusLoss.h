#pragma once
// Why a control lost the keyboard focus, as LostFocus tells its handler:
// the user moved to another control of the same window; the window stopped
// being the active one (another program, a box or a file dialog in front)
// and the control stays the window's focused control for the return; or the
// window is closing (its own Close, or the quit), after which nothing the
// control shows matters any more.
enum class FocusLoss { WithinWindow, WindowLeft, WindowClosing };
