#pragma once
// A top-level window of the old framework's kind.
//
// A product window derives from Window, sets its design values and creates
// its controls in its constructor (`add<T>(name)`), and binds its handlers
// last. It is built through an accessor (implicitInstance<W>() in
// framework/ui/ImplicitWindows.h), which lets the framework run the
// Open events at the right moment and show the window if its design
// Visible is True.
//
// Width/Height are the client size (below any menu bar). Frame is kept as
// the old number: 0 document, 3 floating, 6 fixed (no minimise/maximise,
// whatever MinimizeButton and MaximizeButton say);
// other numbers are remembered and shown as documents.
#include "framework/menus/MenuHandlers.h"
#include "framework/runtime/CommandEvent.h"
#include "framework/runtime/Event.h"
#include "framework/runtime/Property.h"
#include "framework/runtime/RuntimeException.h"
#include "framework/ui/DropTarget.h"
#include "framework/ui/RectControl.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QMainWindow;
class QWidget;
class MenuBar;
class MenuItem;
class Picture;
class MouseCursor;
class WindowWidget;
class FocusModel;

// Marks controls opened while the window runs its Open events (internal).
class OpenSequence {
public:
    static void markOpened(RectControl& control);
};

class Window {
public:
    enum FrameKind : int32_t { DocumentFrame = 0, FloatingFrame = 3, FixedFrame = 6 };

    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // --- properties --------------------------------------------------------
    Property<std::string> Title;
    // Left/Top are the frame's top left on the screen, read from the desktop
    // (a move by the window manager shows at once); Width/Height the client
    // size, which follows a resize by the user as it happens.
    Property<int32_t> Left, Top, Width, Height;
    Property<int32_t> MinWidth, MinHeight, MaxWidth, MaxHeight;
    Property<int32_t> Frame;
    Property<bool> Visible;      // design value: shown when built
    Property<bool> Resizeable;   // False: fixed size (min = max = size)
    Property<bool> CloseButton;
    // Asked of the window manager for document and floating windows (a
    // fixed frame has neither); a desktop that draws every button anyway
    // (openbox) still shows them. Retyping the window as a toolbar would hide
    // them there, but openbox then stacks it above the application's other
    // windows and no longer hands the focus back to it.
    Property<bool> MinimizeButton, MaximizeButton;
    Property<uint32_t> BackColor;  // 0xRRGGBB, used when HasBackColor
    Property<bool> HasBackColor;
    Property<std::shared_ptr<class MenuBar>> MenuBar;
    Property<const class MouseCursor*> MouseCursor;
    // Drawn behind the controls, at the client area's top left.
    Property<std::shared_ptr<Picture>> Backdrop;
    // True: the window takes screen 0's available area (its menu bar kept,
    // the locks growing the controls); False puts it back where it was.
    Property<bool> FullScreen;
    // Design values the old framework kept; stored, with no effect here.
    Property<int32_t> Placement, MacProcId;
    Property<bool> Composite, LiveResize, MenuBarVisible;

    // --- methods -----------------------------------------------------------
    // Runs any pending Open events, shows the window and brings it to the
    // front. Does nothing once Quit was requested.
    void Show();
    void Hide();
    // Keeps the whole frame (title bar, close button, edges) on screen 0's
    // usable area when the window is shown: a client sized larger than the
    // screen is made smaller, and a frame that would start off the area is
    // moved onto it. Off by default; a window sized to its content sets it.
    // With `shrink` False the size is left alone and only the position is
    // kept: a frame larger than the area then starts at its top left, so the
    // title bar stays in reach.
    void keepFrameOnScreen(bool keep, bool shrink = true) {
        keepFrameOnScreen_ = keep;
        shrinkToScreen_ = shrink;
    }
    // A palette's choice: Show leaves the active window active, so the
    // keyboard stays where the user was typing; the window becomes active
    // only when the user clicks into it. Off by default (Show brings the
    // window to the front and activates it).
    void showWithoutActivating(bool keep) { showWithoutActivating_ = keep; }
    // Close is both the method (`Close()`) and the event (`Close = handler`):
    // LostFocus of the focused control, the window's Close event, the
    // controls' Close events, then the window is gone. A second Close from
    // inside the first does nothing.
    CommandEvent Close;
    // Asked first by a close the user chose (the close box, a Close
    // command), never by a quit: True keeps the window open and raises
    // nothing else. Unbound, False.
    Event<bool()> CancelClose;
    // Redraws everything the window shows on the next turn of the loop: its
    // backdrop and every control, embedded ones included; canvases repaint
    // through their Paint, erasing first when asked.
    void Refresh(bool eraseBackground = true);
    // Draws now, before the caller goes on, whatever of the window is waiting
    // to be drawn: its backdrop and every control (a list just refilled).
    void UpdateNow();

    int32_t ControlCount() const { return static_cast<int32_t>(controls_.size()); }
    // Control i from 0, in creation order, embedded controls included.
    RectControl* Control(int32_t index) const;
    // The control named `name` (any letter case) of type T, or NilObjectException.
    template <class T = RectControl>
    T* control(const std::string& name) const {
        T* typed = dynamic_cast<T*>(findControl(name));
        if (!typed) throw NilObjectException("no control named " + name + " of that class");
        return typed;
    }
    RectControl* findControl(const std::string& name) const;  // nullptr when missing

    // Creates a control owned by this window, embedded in `parent` if given.
    // The control's Open event runs with the window's (see Show and the
    // accessors), not here.
    template <class T, class... Args>
    T* add(const std::string& name, RectControl* parent = nullptr, Args&&... args) {
        auto control = std::make_unique<T>(std::forward<Args>(args)...);
        T* raw = control.get();
        adopt(std::move(control), name, parent);
        return raw;
    }

    // Drops on the window itself (outside every control that takes them).
    void AcceptTextDrop();
    void AcceptPictureDrop();
    void AcceptFileDrop(const std::string& typeName);
    // A drag item for dragging something out of this window from the given area.
    std::shared_ptr<DragItem> NewDragItem(int32_t left, int32_t top, int32_t width, int32_t height);

    // Focus: the control that has the keyboard focus in this window.
    RectControl* Focus() const;
    void ClearFocus();

    // Menu handlers bound by item name; they run only while this window is
    // the front window. A handler returning True ends the dispatch.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    bool hasMenuHandler(const std::string& itemName) const;
    bool invokeMenuHandler(const std::string& itemName);
    MenuHandlerTable& menuHandlers() { return menuHandlers_; }

    // --- events -------------------------------------------------------------
    Event<void()> Open, Activate, Deactivate, Resizing, Resized, EnableMenuItems;
    Event<bool(std::string key)> KeyDown;
    Event<bool(int32_t x, int32_t y)> MouseDown;
    Event<void(int32_t x, int32_t y)> MouseDrag, MouseUp, MouseMove;
    Event<void(std::shared_ptr<DragItem> obj, int32_t action)> DropObject;

    virtual void handleOpen() { Open(); }
    virtual void handleClose() { Close.raise(); }
    virtual bool handleCancelClose() { return CancelClose(); }
    virtual void handleActivate() { Activate(); }
    virtual void handleDeactivate() { Deactivate(); }
    virtual void handleResizing() { Resizing(); }
    virtual void handleResized() { Resized(); }
    virtual void handleEnableMenuItems() { EnableMenuItems(); }
    virtual bool handleKeyDown(const std::string& key) { return KeyDown(key); }
    virtual bool handleMouseDown(int32_t x, int32_t y) { return MouseDown(x, y); }
    virtual void handleMouseDrag(int32_t x, int32_t y) { MouseDrag(x, y); }
    virtual void handleMouseUp(int32_t x, int32_t y) { MouseUp(x, y); }
    virtual void handleMouseMove(int32_t x, int32_t y) { MouseMove(x, y); }
    virtual void handleDropObject(std::shared_ptr<DragItem> obj, int32_t action) { DropObject(std::move(obj), action); }

    // --- framework-internal -------------------------------------------------
    QMainWindow* widget() const;
    QWidget* contentWidget() const;  // the client area; controls live here
    FocusModel& focusModel() const { return *focus_; }
    bool isActive() const { return active_; }
    bool isShown() const { return shown_; }
    bool isClosing() const { return closing_; }
    bool opened() const { return opened_; }
    bool built() const { return built_; }
    const DropTarget& dropTarget() const { return dropTarget_; }
    // Called by the accessors once the subclass constructor has finished.
    void finishBuilding();
    // Runs the Open events (controls depth first in creation order, then the
    // window) unless they ran already or a quit was requested.
    void runOpenEvents();
    // Client size changed (user, code or test driver): locks, Resizing, and
    // Resized once the resizing settles: on the next turn of the loop, or,
    // while the user drags the frame, once the drag has paused.
    void clientResized(int32_t width, int32_t height, bool byUserDrag = false);
    void setActive(bool active);

private:
    friend class RectControl;
    friend class WindowWidget;

    void adopt(std::unique_ptr<RectControl> control, const std::string& name, RectControl* parent);
    void closeWindow();
    void applyFrame();
    void applySizeLimits();
    void applyClientSize();
    void raiseResizedLater(int delayMs);
    void mirrorVisibility(bool visible);
    void floatAboveDocument();
    void openLateControls();

    WindowWidget* widget_ = nullptr;
    std::unique_ptr<FocusModel> focus_;
    std::vector<std::unique_ptr<RectControl>> controls_;
    MenuHandlerTable menuHandlers_;
    DropTarget dropTarget_;
    bool built_ = false;
    bool opened_ = false;
    bool openingPass_ = false;
    bool lateOpensPosted_ = false;
    bool closing_ = false;
    bool active_ = false;
    bool shown_ = false;
    int32_t lastWidth_ = 0, lastHeight_ = 0;  // client size the locks were last applied for
    int32_t normalGeometry_[4] = {0, 0, 0, 0};  // Left, Top, Width, Height before FullScreen
    int32_t frameMargins_[4] = {0, 0, 0, 0};  // the frame (left, top, right, bottom) last fitted for
    bool keepFrameOnScreen_ = false;
    bool shrinkToScreen_ = true;
    bool showWithoutActivating_ = false;
    void applyFullScreen(bool full);
    void fitFullScreen();
    void fitFrameOnScreen();
    // The window manager's frame became known or changed: a full-screen
    // window is fitted again so the frame, not only the client, fills the screen.
    void frameMayHaveChanged();
    int resizedGeneration_ = 0;
};
