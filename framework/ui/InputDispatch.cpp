#include "framework/ui/InputDispatch.h"

#include "framework/runtime/ExceptionRouting.h"
#include "framework/ui/ControlInputFilter.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/HandlerScope.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

#include <QPoint>
#include <QWidget>

namespace {
// The press whose drag and release belong to a MouseDown that returned True.
struct Capture {
    RectControl* control = nullptr;
    Window* window = nullptr;
    QPoint last;  // where the press or the last drag was, in local coordinates
    // The same place on the screen. A drag is judged by the pointer's screen
    // position: a control that follows the pointer (a splitter bar) keeps
    // the same local position while the pointer really moves.
    QPoint lastGlobal;
    bool active() const { return control || window; }
    QWidget* surface() const { return control ? control->widget() : window->contentWidget(); }
    QPoint toLocal(const QPoint& global) const { return surface()->mapFromGlobal(global); }
    void pressedAt(int32_t x, int32_t y) {
        last = QPoint(x, y);
        lastGlobal = surface()->mapToGlobal(last);
    }
};
Capture capture;
bool contextualClick = false;

struct ContextualScope {
    explicit ContextualScope(bool c) { contextualClick = c; }
    ~ContextualScope() { contextualClick = false; }
};

bool ignoredFocusReason(Qt::FocusReason reason) {
    // Pop-up menus take the focus and give it back: no LostFocus for that.
    // Window activation has its own path (LostFocus on deactivation).
    return reason == Qt::PopupFocusReason || reason == Qt::ActiveWindowFocusReason;
}
}  // namespace

bool IsContextualClick() { return contextualClick; }

namespace InputDispatch {

bool mouseDown(RectControl& control, int32_t x, int32_t y, bool contextual) {
    capture = Capture{};
    ContextualScope scope(contextual);
    const bool claimed = guardedHandler(control, [&] { return control.handleMouseDown(x, y); });
    // The handler may have closed the window or hidden the control; a claim
    // still hides the press from Qt, but only a live control is captured.
    if (claimed) {
        capture.control = &control;
        capture.pressedAt(x, y);
    }
    return claimed;
}

bool windowMouseDown(Window& window, int32_t x, int32_t y, bool contextual) {
    capture = Capture{};
    ContextualScope scope(contextual);
    const bool claimed = guarded([&] { return window.handleMouseDown(x, y); });
    if (claimed) {
        capture.window = &window;
        capture.pressedAt(x, y);
    }
    return claimed;
}

bool mouseDragTo(const QPoint& global) {
    if (!capture.active()) return false;
    const Capture c = capture;
    const QPoint p = c.toLocal(global);
    if (global == c.lastGlobal) return true;  // a drag starts only once the pointer moved
    capture.last = p;
    capture.lastGlobal = global;
    if (c.control) guardedHandler(*c.control, [&] { c.control->handleMouseDrag(p.x(), p.y()); });
    else guarded([&] { c.window->handleMouseDrag(p.x(), p.y()); });
    return true;
}

bool mouseUpAt(const QPoint& global) {
    if (!capture.active()) return false;
    const Capture c = capture;
    capture = Capture{};
    const QPoint p = c.toLocal(global);
    if (c.control) guardedHandler(*c.control, [&] { c.control->handleMouseUp(p.x(), p.y()); });
    else guarded([&] { c.window->handleMouseUp(p.x(), p.y()); });
    return true;
}

bool hasCapture() { return capture.active(); }

void mouseHover(RectControl& control, int32_t x, int32_t y) {
    guardedHandler(control, [&] { control.handleMouseMove(x, y); });
}

void mouseEnter(RectControl& control) {
    guarded([&] { control.handleMouseEnter(); });
}

void mouseExit(RectControl& control) {
    guarded([&] { control.handleMouseExit(); });
}

bool keyDown(RectControl& control, const std::string& key) {
    Window* window = control.Window();
    if (window->Focus() != &control) return false;
    return guardedHandler(control, [&] { return control.handleKeyDown(key); });
}

bool windowKeyDown(Window& window, const std::string& key) {
    return guarded([&] { return window.handleKeyDown(key); });
}

bool dragOver(RectControl& control, int32_t x, int32_t y, const std::shared_ptr<DragItem>& item, int32_t action) {
    if (!control.dropTarget().wants(*item)) return false;
    return !guardedHandler(control, [&] { return control.handleDragOver(x, y, item, action); });
}

void drop(RectControl& control, const std::shared_ptr<DragItem>& item, int32_t action) {
    guardedHandler(control, [&] { control.handleDropObject(item, action); });
}

bool windowTakesDrag(Window& window, const DragItem& item) { return window.dropTarget().wants(item); }

void windowDrop(Window& window, const std::shared_ptr<DragItem>& item, int32_t action) {
    guarded([&] { window.handleDropObject(item, action); });
}

void focusIn(RectControl& control, Qt::FocusReason reason) {
    Window* window = control.Window();
    if (reason == Qt::ActiveWindowFocusReason) {
        // The focus Qt gives a window as it becomes active: learnt when the
        // model has none (a window just opened), never raised twice.
        guarded([&] { window->focusModel().focusArrivedOnActivation(&control); });
        return;
    }
    if (ignoredFocusReason(reason)) return;
    guarded([&] { window->focusModel().focusArrivedFromQt(&control); });
}

void focusOut(RectControl& control, Qt::FocusReason reason, QWidget* newFocusWidget) {
    if (ignoredFocusReason(reason)) return;
    Window* window = control.Window();
    RectControl* next = ControlRegistry::controlFor(newFocusWidget);
    if (next && next->Window() == window) return;  // its FocusIn moves the focus
    if (window->focusModel().focused() != &control) return;
    if (!window->isActive()) return;
    guarded([&] { window->focusModel().setFocus(nullptr); });
}

void forget(const void* target) {
    if (capture.control == target || capture.window == target) capture = Capture{};
}

void resetCapture() { capture = Capture{}; }

}  // namespace InputDispatch
