#include "controls/splitter/ControlLink.h"

#include "framework/runtime/RuntimeException.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"

// Controls are owned by their window and leave its list before they are
// destroyed, so "still in a live window's list" is the same as "alive". The
// window is checked first: its address is only read, never followed, until
// the window list has vouched for it.
bool controlStillExists(const RectControl* control, const Window* window) {
    if (!control || !window || !WindowList::contains(window)) return false;
    for (int32_t i = 0, n = window->ControlCount(); i < n; ++i)
        if (window->Control(i) == control) return true;
    return false;
}

ControlLink::ControlLink(RectControl* control) : control_(control) {
    if (!control) return;
    try {
        window_ = control->Window();
    } catch (const NilObjectException&) {
        control_ = nullptr;  // not placed on a window: nothing a bar can work with
    }
}

RectControl* ControlLink::get() const {
    return controlStillExists(control_, window_) ? control_ : nullptr;
}
