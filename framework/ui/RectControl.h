#pragma once
// The base of every control placed on a window.
//
// Geometry is our own: Left/Top/Width/Height are window coordinates (embedded
// controls too) and are read back exactly as written, negative sizes
// included. Qt only ever sees the display mapping (parent-relative position,
// sizes clamped at 0). Window-edge locks are applied by delta when the parent
// (the window, or the control this one is embedded in) changes size, so a
// geometry that code rewrote between resizes (a splitter) is kept.
//
// How a concrete control is written (framework/ui/controls):
//   class EditField : public RectControl {
//   public:
//       EditField() { setWidget(new QLineEdit); }   // the control owns its widget
//   protected:
//       void attached() override { ... }            // now on a window: Window() works
//   };
//   auto* f = window.add<EditField>("recipeName");     // on the window
//   auto* g = window.add<EditField>("field", container); // embedded in a control
// Inner widgets that receive input themselves (a scroll area's viewport, a
// table's header) are passed to routeInputFrom() so mouse, key and focus
// events from them reach this control's events.
#include "framework/runtime/Event.h"
#include "framework/runtime/Property.h"
#include "framework/ui/DropTarget.h"
#include "framework/ui/FocusLoss.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QWidget;
class QPoint;
class Window;
class MouseCursor;
class DragItem;

class RectControl {
public:
    RectControl();
    virtual ~RectControl();
    RectControl(const RectControl&) = delete;
    RectControl& operator=(const RectControl&) = delete;

    // --- properties --------------------------------------------------------
    Property<int32_t> Left, Top, Width, Height;
    Property<bool> LockLeft, LockTop, LockRight, LockBottom;
    Property<bool> Visible, Enabled;
    // Whether a click or Tab may give the control the keyboard focus.
    Property<bool> AcceptFocus;
    Property<std::string> HelpTag;  // CR line ends allowed
    Property<const class MouseCursor*> MouseCursor;  // nullptr = the standard cursor
    Property<int32_t> TabPanelIndex;
    // Design values the old framework kept: the control-array index (-1 =
    // none), whether it dims with its window, whether it draws a focus ring.
    Property<int32_t> Index;
    Property<bool> AutoDeactivate, UseFocusRing;

    const std::string& Name() const { return name_; }
    RectControl* Parent() const { return parent_; }  // nullptr directly on the window
    class Window* Window() const;                    // throws NilObjectException when not placed
    // True while the control's window is the active window.
    bool Active() const;

    // --- methods -----------------------------------------------------------
    void SetFocus();
    // Virtual so a control with a retained surface (Canvas) honours the
    // erase flag whichever type the caller holds.
    virtual void Refresh(bool eraseBackground = true);
    virtual void RefreshRect(int32_t x, int32_t y, int32_t width, int32_t height, bool eraseBackground = true);
    virtual void UpdateNow();
    // Runs `action` once the event loop has dealt with what is waiting now
    // (the input that came meanwhile included), or after `milliseconds`;
    // never after the control is gone.
    void CallLater(std::function<void()> action, int32_t milliseconds = 0);
    // What a drop on the control may carry (see DropTarget.h).
    void AcceptTextDrop();
    void AcceptPictureDrop();
    void AcceptFileDrop(const std::string& typeName);

    // --- events (bound by the window after design values are applied) -----
    Event<void()> Open, Close, GotFocus, MouseEnter, MouseExit, EnableMenuItems;
    // Carries why the focus went (FocusLoss.h); a handler may ignore it.
    Event<void(FocusLoss why)> LostFocus;
    Event<bool(int32_t x, int32_t y)> MouseDown;
    Event<void(int32_t x, int32_t y)> MouseDrag, MouseUp, MouseMove;
    Event<bool(std::string key)> KeyDown;
    // True refuses the drop where the pointer is.
    Event<bool(int32_t x, int32_t y, std::shared_ptr<DragItem> obj, int32_t action)> DragOver;
    Event<void(std::shared_ptr<DragItem> obj, int32_t action)> DropObject;

    // Virtual handlers: a subclass that handles an event overrides these; the
    // base versions raise the event. Coordinates are the control's own.
    virtual void handleOpen() { Open(); }
    virtual void handleClose() { Close(); }
    virtual void handleGotFocus() { GotFocus(); }
    virtual void handleLostFocus(FocusLoss why) { LostFocus(why); }
    virtual bool handleMouseDown(int32_t x, int32_t y) { return MouseDown(x, y); }
    virtual void handleMouseDrag(int32_t x, int32_t y) { MouseDrag(x, y); }
    virtual void handleMouseUp(int32_t x, int32_t y) { MouseUp(x, y); }
    virtual void handleMouseMove(int32_t x, int32_t y) { MouseMove(x, y); }
    virtual void handleMouseEnter() { MouseEnter(); }
    virtual void handleMouseExit() { MouseExit(); }
    virtual bool handleKeyDown(const std::string& key) { return KeyDown(key); }
    virtual void handleEnableMenuItems() { EnableMenuItems(); }
    virtual bool handleDragOver(int32_t x, int32_t y, std::shared_ptr<DragItem> obj, int32_t action) {
        return DragOver(x, y, std::move(obj), action);
    }
    virtual void handleDropObject(std::shared_ptr<DragItem> obj, int32_t action) { DropObject(std::move(obj), action); }

    // Standard editing for the Edit menu when no handler took the item
    // ("EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll",
    // "EditUndo"). canStandardEdit says whether the item should be enabled.
    virtual bool canStandardEdit(const std::string& itemName) const { return false; }
    virtual bool doStandardEdit(const std::string& itemName) { return false; }

    // --- framework-internal ------------------------------------------------
    QWidget* widget() const { return widget_; }
    const std::vector<RectControl*>& children() const { return children_; }
    // The widget an embedded child's widget is placed in, and that widget's
    // origin in window coordinates. A tab panel answers its page.
    virtual QWidget* childHost(const RectControl& child) const;
    virtual QPoint childOrigin(const RectControl& child) const;
    bool opened() const { return opened_; }
    const DropTarget& dropTarget() const { return dropTarget_; }
    // True for widgets that insert dropped data themselves (text editors):
    // the framework then raises DragOver only and lets Qt do the drop.
    virtual bool insertsDropsItself() const { return false; }
    // A mouse press is giving this control the focus: called before the focus
    // moves (and before the LostFocus of the control that had it runs), while
    // the control still shows what the user pressed on.
    virtual void pressTakingFocus() {}

protected:
    // Called once by the concrete control's constructor; the control owns it.
    void setWidget(QWidget* widget);
    // Makes input and focus events of an inner widget count as this control's.
    void routeInputFrom(QWidget* inner);
    // Runs once the control is on its window (widget parented, geometry set).
    virtual void attached() {}
    // Runs after the display geometry changed (the widget has the new size).
    virtual void geometryApplied() {}
    // Runs after the window became active or inactive (Activate or
    // Deactivate has been raised); a control whose look depends on Active()
    // repaints here.
    virtual void windowActivationChanged() {}

private:
    friend class Window;
    friend class ControlPlacement;
    friend class OpenSequence;

    void applyDisplayGeometry();
    void moveBy(int32_t dx, int32_t dy);
    void parentResizedBy(int32_t dw, int32_t dh);
    void wireProperties();

    QWidget* widget_ = nullptr;
    class Window* window_ = nullptr;
    RectControl* parent_ = nullptr;
    std::vector<RectControl*> children_;
    std::string name_;
    DropTarget dropTarget_;
    // The geometry last given to the display, to compute the deltas that move
    // and resize embedded controls.
    int32_t lastLeft_ = 0, lastTop_ = 0, lastWidth_ = 0, lastHeight_ = 0;
    bool opened_ = false;
    bool closed_ = false;
};
