#include "framework/ui/InputDispatch.h"

#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ControlInputFilter.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/HandlerScope.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

#include "framework/dialogs/UiService.h"

#include <QApplication>
#include <QPoint>
#include <QWidget>
#include <optional>

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
    // A drag the MouseDown handler asked for: it starts once the pointer has
    // moved the platform's drag distance with the button down. Without a
    // claim, the press is held for the drag alone (no MouseDrag, no MouseUp).
    std::optional<DragRequest> pendingDrag;
    bool claimed = true;
    QPoint pressGlobal;
    bool active() const { return control || window; }
    QWidget* surface() const { return control ? control->widget() : window->contentWidget(); }
    QPoint toLocal(const QPoint& global) const { return surface()->mapFromGlobal(global); }
    void pressedAt(int32_t x, int32_t y) {
        last = QPoint(x, y);
        lastGlobal = surface()->mapToGlobal(last);
        pressGlobal = lastGlobal;
    }
};
Capture capture;
bool contextualClick = false;

struct ContextualScope {
    explicit ContextualScope(bool c) { contextualClick = c; }
    ~ContextualScope() { contextualClick = false; }
};

// While a MouseDown handler runs, a drag it starts waits for the pointer.
bool dispatchingPress = false;
std::optional<DragRequest> requestedDrag;
RectControl* dragSource = nullptr;  // the control a drag in progress started from

struct PressScope {
    PressScope() {
        dispatchingPress = true;
        requestedDrag.reset();
    }
    ~PressScope() { dispatchingPress = false; }
};

// A press on a control or on the window's client area: MouseDown, and the
// capture its answer (or a drag it asked for) gives.
template <class Raise>
bool dispatchPress(Raise&& raise, RectControl* control, Window* window, int32_t x, int32_t y, bool contextual) {
    capture = Capture{};
    ContextualScope scope(contextual);
    bool claimed = false;
    std::optional<DragRequest> drag;
    {
        PressScope press;
        claimed = raise();
        drag = std::move(requestedDrag);
        requestedDrag.reset();
    }
    if (!claimed && !drag) return false;
    // The handler may have closed the window or hidden the control; a claim
    // still hides the press from Qt (a closed control forgets its capture).
    capture.control = control;
    capture.window = window;
    capture.claimed = claimed;
    capture.pendingDrag = std::move(drag);
    capture.pressedAt(x, y);
    return true;
}

DragResult runDrag(const DragRequest& request, RectControl* source) {
    RectControl* outer = dragSource;
    dragSource = source;
    struct Restore {
        RectControl* outer;
        ~Restore() { dragSource = outer; }
    } restore{outer};
    return uiService().startDrag(request);
}

bool ignoredFocusReason(Qt::FocusReason reason) {
    // Pop-up menus and the menu bar (Alt, or a menu closed with Escape) take
    // Qt's focus and give it back: the recorded control keeps the focus, no
    // LostFocus, so the menus act on it and keys reach it afterwards.
    // Window activation has its own path (LostFocus on deactivation).
    return reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason ||
           reason == Qt::ActiveWindowFocusReason;
}

// A pop-up control's list (a combo box's) takes Qt's focus as it opens,
// after the pop-up window itself borrowed it, and with no reason of its own.
// That is the same borrowing: the recorded control keeps the focus, and Qt
// hands it back as the pop-up closes, however the choice was made.
bool takenByPopUp(const QWidget* newFocusWidget) {
    return newFocusWidget && newFocusWidget->window()->windowType() == Qt::Popup;
}
}  // namespace

bool IsContextualClick() { return contextualClick; }

namespace InputDispatch {

bool mouseDown(RectControl& control, int32_t x, int32_t y, bool contextual) {
    return dispatchPress([&] { return guardedHandler(control, [&] { return control.handleMouseDown(x, y); }); },
                         &control, nullptr, x, y, contextual);
}

bool windowMouseDown(Window& window, int32_t x, int32_t y, bool contextual) {
    return dispatchPress([&] { return guarded([&] { return window.handleMouseDown(x, y); }); }, nullptr, &window, x, y,
                         contextual);
}

bool mouseDragTo(const QPoint& global, Qt::MouseButtons buttons) {
    if (!capture.active()) return false;
    if (buttons == Qt::NoButton) {
        // The release went elsewhere (a pop-up menu the press opened took
        // it): the press is over, and MouseDrag runs only while it is held.
        capture = Capture{};
        return false;
    }
    if (capture.pendingDrag && (global - capture.pressGlobal).manhattanLength() >= QApplication::startDragDistance()) {
        // The drag takes over the pointer: its own loop gets the release.
        const DragRequest request = *capture.pendingDrag;
        RectControl* source = capture.control;
        capture = Capture{};
        guarded([&] { runDrag(request, source); });
        return true;
    }
    const Capture c = capture;
    const QPoint p = c.toLocal(global);
    if (global == c.lastGlobal) return true;  // a drag starts only once the pointer moved
    if (!c.claimed) return true;
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
    if (!c.claimed) return true;  // held for a drag that never started
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

int32_t drag(const DragRequest& request) {
    if (dispatchingPress) {
        requestedDrag = request;
        return DragItem::ActionDefault;
    }
    // From a MouseDrag handler, say: the captured control is the source.
    switch (runDrag(request, capture.control)) {
        case DragResult::Copy: return DragItem::ActionCopy;
        case DragResult::Move: return DragItem::ActionMove;
        case DragResult::Link: return DragItem::ActionLink;
        case DragResult::None: break;
    }
    return DragItem::ActionDefault;
}

RectControl* draggingFrom() { return dragSource; }

bool dragOver(RectControl& control, int32_t x, int32_t y, const std::shared_ptr<DragItem>& item, int32_t action) {
    if (&control == dragSource) return false;  // dropped back on its own source: nothing to do
    if (!control.dropTarget().wants(*item)) return false;
    return !guardedHandler(control, [&] { return control.handleDragOver(x, y, item, action); });
}

void drop(RectControl& control, const std::shared_ptr<DragItem>& item, int32_t action) {
    if (&control == dragSource) return;
    guardedHandler(control, [&] { control.handleDropObject(item, action); });
}

bool windowTakesDrag(Window& window, const DragItem& item) { return window.dropTarget().wants(item); }

void windowDrop(Window& window, const std::shared_ptr<DragItem>& item, int32_t action) {
    guarded([&] { window.handleDropObject(item, action); });
}

void focusIn(RectControl& control, Qt::FocusReason reason) {
    Window* window = control.Window();
    if (reason == Qt::MenuBarFocusReason) {
        // The menu bar hands back the keyboard it borrowed. The record never
        // moved, so Qt goes back to the recorded control (the same one, unless
        // code moved the focus while the bar held the keys).
        guarded([&] { window->focusModel().mirrorToQt(); });
        return;
    }
    if (reason == Qt::ActiveWindowFocusReason) {
        // The focus Qt gives a window as it becomes active: learnt when the
        // model has none (a window just opened), never raised twice.
        guarded([&] { window->focusModel().focusArrivedOnActivation(&control); });
        return;
    }
    if (ignoredFocusReason(reason)) return;
    if (reason == Qt::MouseFocusReason) guarded([&] { control.pressTakingFocus(); });
    guarded([&] { window->focusModel().focusArrivedFromQt(&control); });
}

void focusOut(RectControl& control, Qt::FocusReason reason, QWidget* newFocusWidget) {
    if (ignoredFocusReason(reason) || takenByPopUp(newFocusWidget)) return;
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
