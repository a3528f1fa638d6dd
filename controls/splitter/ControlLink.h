#pragma once
// A reference to a control that does not keep it alive and never dangles: a
// bar may go on naming a control it detached, or one in another window, and
// that control may be destroyed before the bar is. Once it is gone the link
// reads as none.
class RectControl;
class Window;

class ControlLink {
public:
    ControlLink() = default;
    explicit ControlLink(RectControl* control);

    // The control, or nullptr when none was given or it no longer exists.
    RectControl* get() const;
    explicit operator bool() const { return get() != nullptr; }
    // True when this names `control` (never for nullptr).
    bool is(const RectControl* control) const { return control && get() == control; }
    void reset() { control_ = nullptr; }

private:
    RectControl* control_ = nullptr;
    // The window the control lived on when linked: a control is destroyed
    // only with its window, or removed from its window's list first.
    const Window* window_ = nullptr;
};

// True while `control` is a control of a window that still exists.
bool controlStillExists(const RectControl* control, const Window* window);
