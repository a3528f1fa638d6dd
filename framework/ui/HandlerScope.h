#pragma once
// Which controls have one of their own event handlers running right now.
//
// A modal box shown from inside a control's handler deactivates the window,
// and that deactivation must not raise the same control's LostFocus again:
// the handler is still in the middle of its work (often a save), and a second
// save from inside the first would stack error boxes and write twice. The
// framework enters a HandlerScope around every event it raises for a control
// (input, focus, drops, and the controls' own Action, Change, TextChange...),
// and the focus model asks running() when a modal box deactivates the window.
#include <utility>

#include "framework/ui/ExceptionRouting.h"

class RectControl;

class HandlerScope {
public:
    explicit HandlerScope(const RectControl* control);
    ~HandlerScope();
    HandlerScope(const HandlerScope&) = delete;
    HandlerScope& operator=(const HandlerScope&) = delete;

    // True while some handler of this control runs (nested ones included).
    static bool running(const RectControl* control);

private:
    const RectControl* control_;
};

// guarded() for a handler of one control: the control counts as running it.
template <class F>
auto guardedHandler(const RectControl& control, F&& f) -> decltype(f()) {
    HandlerScope scope(&control);
    return guarded(std::forward<F>(f));
}
