#pragma once
// What a modal box (message box, question dialog, file dialog, colour
// picker, page setup, printer dialog) does to the windows, the same on every
// display and under the test service: while it is up, the window that was
// active is not. Opening the box deactivates that window (LostFocus of its
// focused control, then Deactivate); closing it reactivates the window
// (Activate, then GotFocus), before the call that showed the box returns; if
// that window closed or hid meanwhile, the visible window behind it instead.
//
// The rule product code relies on: while one of a control's own handlers
// runs (see HandlerScope.h), a box shown from it does not raise that
// control's LostFocus, nor its GotFocus on return. The control keeps the
// focus throughout, as far as its events go. Any other focused control does
// get LostFocus before the box, so its edit is saved first.
//
// A box shown while no window is active (at start-up, or from a handler that
// the deactivation itself raised) changes nothing. On a real display Qt
// reports the same deactivation and reactivation a little later; they arrive
// as duplicates and change nothing.
class Window;

class ModalSession {
public:
    ModalSession();
    ~ModalSession();
    ModalSession(const ModalSession&) = delete;
    ModalSession& operator=(const ModalSession&) = delete;

    // True while a box is deactivating its window (the focus model's cue).
    static bool deactivatingForBox();
    // How many modal boxes are up now.
    static int depth();
    // Gives the dialogs' gate (framework/dialogs/ModalGate.h) what a box does
    // to the windows, once for the whole process (later calls change
    // nothing): the runtime's start and every window's construction call it,
    // so a box deactivates its window however the window was built. The
    // process's end takes it back.
    static void serveTheModalGate();

private:
    Window* deactivated_ = nullptr;
    bool wasShown_ = false;
};
