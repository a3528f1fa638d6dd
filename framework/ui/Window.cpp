#include "framework/ui/Window.h"

#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Runtime.h"
#include "framework/runtime/Services.h"
#include "framework/text/Strings.h"
#include "framework/ui/ApplicationInputFilter.h"
#include "framework/ui/CursorHook.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/MenuIntegration.h"
#include "framework/ui/ModalSession.h"
#include "framework/ui/WindowList.h"
#include "framework/ui/WindowWidget.h"

#include <QMenuBar>
#include <QTimer>
#include <algorithm>

namespace {
constexpr int32_t kNoLimit = 32000;
constexpr int kDesignLeft = 100, kDesignTop = 100;
}  // namespace

Window::Window()
    : Title(std::string()),
      // The place is read from the widget, so a move by the window manager
      // (the user dragging the title bar) is what Left and Top answer.
      Left([this] { return static_cast<int32_t>(widget_->x()); }, [this](const int32_t& x) { widget_->move(x, widget_->y()); }),
      Top([this] { return static_cast<int32_t>(widget_->y()); }, [this](const int32_t& y) { widget_->move(widget_->x(), y); }),
      Width(300), Height(300), MinWidth(64), MinHeight(64),
      MaxWidth(kNoLimit), MaxHeight(kNoLimit), Frame(DocumentFrame), Visible(true), Resizeable(true),
      CloseButton(true), MinimizeButton(true), MaximizeButton(true), BackColor(0xFFFFFFu), HasBackColor(false), MenuBar(nullptr), MouseCursor(nullptr),
      Backdrop(nullptr), FullScreen(false), Placement(0), MacProcId(0), Composite(false), LiveResize(true),
      MenuBarVisible(true),
      Close([this] { closeWindow(); }), widget_(new WindowWidget(*this)), focus_(std::make_unique<FocusModel>(*this)) {
    ModalSession::serveTheModalGate();  // a box deactivates this window however it was built
    WindowList::add(*this);
    installApplicationInputFilter();
    ensureMenuIntegration();
    Title.onChange([this](const std::string& t) { widget_->setWindowTitle(QString::fromStdString(t)); });
    Width.onChange([this](const int32_t& w) { clientResized(w, Height.get()); });
    Height.onChange([this](const int32_t& h) { clientResized(Width.get(), h); });
    for (Property<int32_t>* limit : {&MinWidth, &MinHeight, &MaxWidth, &MaxHeight})
        limit->onChange([this](const int32_t&) { applySizeLimits(); });
    Resizeable.onChange([this](const bool&) { applySizeLimits(); });
    Frame.onChange([this](const int32_t&) { applyFrame(); });
    for (Property<bool>* button : {&CloseButton, &MinimizeButton, &MaximizeButton})
        button->onChange([this](const bool&) { applyFrame(); });
    Visible.onChange([this](const bool& v) {
        if (built_) mirrorVisibility(v);
    });
    HasBackColor.onChange([this](const bool&) { widget_->content()->update(); });
    BackColor.onChange([this](const uint32_t&) { widget_->content()->update(); });
    MenuBar.onChange([this](const std::shared_ptr<class MenuBar>& bar) {
        installMenuBar(*this, bar);
        applyClientSize();
    });
    MouseCursor.onChange([this](const class MouseCursor* const& c) { applyCursor(widget_, c); });
    Backdrop.onChange([this](const std::shared_ptr<Picture>&) { widget_->content()->update(); });
    FullScreen.onChange([this](const bool& full) { applyFullScreen(full); });
    lastWidth_ = Width.get();
    lastHeight_ = Height.get();
    applyFrame();
    applyClientSize();
    widget_->move(kDesignLeft, kDesignTop);
}

Window::~Window() {
    // Controls first, newest first (embedded controls before their parents),
    // while the window's widgets still exist.
    focus_->forget(focus_->focused());
    while (!controls_.empty()) controls_.pop_back();
    ImplicitWindows::forget(*this);
    WindowList::remove(*this);
    Runtime::windowDeleted(*this);
    InputDispatch::forget(this);
    widget_->detach();
    delete widget_;
}

QMainWindow* Window::widget() const { return widget_; }
QWidget* Window::contentWidget() const { return widget_->content(); }

RectControl* Window::Control(int32_t index) const {
    if (index < 0 || index >= ControlCount())
        throw OutOfBoundsException("control index " + std::to_string(index) + " out of range");
    return controls_[static_cast<size_t>(index)].get();
}

void Window::Refresh(bool eraseBackground) {
    contentWidget()->update();
    for (const auto& c : controls_) c->Refresh(eraseBackground);
}

void Window::UpdateNow() {
    QWidget* top = widget();
    if (top && top->isVisible()) top->repaint();
}

RectControl* Window::findControl(const std::string& name) const {
    for (const auto& c : controls_)
        if (StrEq(c->Name(), name)) return c.get();
    return nullptr;
}

void Window::adopt(std::unique_ptr<RectControl> control, const std::string& name, RectControl* parent) {
    RectControl* c = control.get();
    if (!c->widget_) throw NilObjectException("control " + name + " has no widget");
    c->name_ = name;
    c->window_ = this;
    c->parent_ = parent;
    controls_.push_back(std::move(control));
    QWidget* host = parent ? parent->childHost(*c) : contentWidget();
    c->widget_->setParent(host);
    c->lastLeft_ = c->Left.get();
    c->lastTop_ = c->Top.get();
    c->lastWidth_ = c->Width.get();
    c->lastHeight_ = c->Height.get();
    if (parent) parent->children_.push_back(c);
    c->applyDisplayGeometry();
    c->widget_->setVisible(c->Visible.get());
    c->attached();
    // A control added to a window that has opened opens too, once its
    // handlers are bound: at the end of the Open pass that added it, or on
    // the next turn of the loop.
    if (opened_ && !openingPass_ && !lateOpensPosted_) {
        lateOpensPosted_ = true;
        QTimer::singleShot(0, widget_, [this] { openLateControls(); });
    }
}

RectControl* Window::Focus() const { return focus_->focused(); }

void Window::ClearFocus() { focus_->setFocus(nullptr); }

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
    menuHandlers_.AddMenuHandler(itemName, std::move(handler));
}

bool Window::hasMenuHandler(const std::string& itemName) const { return menuHandlers_.has(itemName); }

bool Window::invokeMenuHandler(const std::string& itemName) { return menuHandlers_.invoke(itemName); }

void Window::AcceptTextDrop() {
    dropTarget_.acceptText();
    contentWidget()->setAcceptDrops(true);
}

void Window::AcceptPictureDrop() {
    dropTarget_.acceptPicture();
    contentWidget()->setAcceptDrops(true);
}

void Window::AcceptFileDrop(const std::string& typeName) {
    dropTarget_.acceptFile(typeName);
    contentWidget()->setAcceptDrops(true);
}

std::shared_ptr<DragItem> Window::NewDragItem(int32_t left, int32_t top, int32_t width, int32_t height) {
    auto item = std::make_shared<DragItem>();
    item->Left = left;
    item->Top = top;
    item->Width = width;
    item->Height = height;
    return item;
}

// --- activation -------------------------------------------------------------

// The state changes first: a handler that shows a dialog makes Qt
// deactivate and reactivate the window inside this very call, and those
// nested calls must see where things stand.
void Window::setActive(bool active) {
    if (active == active_) return;
    active_ = active;
    if (!active) {
        guarded([&] { focus_->windowDeactivated(); });
        if (!active_) guarded([&] { handleDeactivate(); });
    } else {
        guarded([&] { handleActivate(); });
        if (active_) guarded([&] { focus_->windowActivated(); });
    }
    if (active_ == active)
        for (const auto& c : controls_) c->windowActivationChanged();
}
