#include "framework/ui/Window.h"

#include "framework/runtime/ExceptionRouting.h"
#include "framework/runtime/ImplicitWindows.h"
#include "framework/runtime/Runtime.h"
#include "framework/runtime/Services.h"
#include "framework/ui/ApplicationInputFilter.h"
#include "framework/ui/CursorHook.h"
#include "framework/ui/DragItem.h"
#include "framework/ui/InputDispatch.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/MenuIntegration.h"
#include "framework/ui/WindowList.h"
#include "framework/ui/WindowWidget.h"

#include <QMenuBar>
#include <QTimer>
#include <algorithm>
#include <cctype>

namespace {
bool sameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}
constexpr int32_t kNoLimit = 32000;
}  // namespace

Window::Window()
    : Title(std::string()), Left(100), Top(100), Width(300), Height(300), MinWidth(64), MinHeight(64),
      MaxWidth(kNoLimit), MaxHeight(kNoLimit), Frame(DocumentFrame), Visible(true), Resizeable(true),
      CloseButton(true), BackColor(0xFFFFFFu), HasBackColor(false), MenuBar(nullptr), MouseCursor(nullptr),
      Backdrop(nullptr), FullScreen(false), Placement(0), MacProcId(0), Composite(false), LiveResize(true),
      MenuBarVisible(true),
      Close([this] { closeWindow(); }), widget_(new WindowWidget(*this)), focus_(std::make_unique<FocusModel>(*this)) {
    WindowList::add(*this);
    installApplicationInputFilter();
    ensureMenuIntegration();
    Title.onChange([this](const std::string& t) { widget_->setWindowTitle(QString::fromStdString(t)); });
    Width.onChange([this](const int32_t& w) { clientResized(w, Height.get()); });
    Height.onChange([this](const int32_t& h) { clientResized(Width.get(), h); });
    Left.onChange([this](const int32_t&) { applyPosition(); });
    Top.onChange([this](const int32_t&) { applyPosition(); });
    for (Property<int32_t>* limit : {&MinWidth, &MinHeight, &MaxWidth, &MaxHeight})
        limit->onChange([this](const int32_t&) { applySizeLimits(); });
    Resizeable.onChange([this](const bool&) { applySizeLimits(); });
    Frame.onChange([this](const int32_t&) { applyFrame(); });
    CloseButton.onChange([this](const bool&) { applyFrame(); });
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
    applyPosition();
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

RectControl* Window::findControl(const std::string& name) const {
    for (const auto& c : controls_)
        if (sameName(c->Name(), name)) return c.get();
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
    // A control added to a window that already opened opens at once (after
    // the children its attachment created).
    if (opened_ && !c->opened_ && !Runtime::quitting()) {
        c->opened_ = true;
        c->handleOpen();
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

// --- building, opening, showing ----------------------------------------------

void Window::finishBuilding() {
    if (built_) return;
    built_ = true;
    applySizeLimits();
    applyClientSize();
}

namespace {
void openControl(RectControl& c) {
    for (size_t i = 0; i < c.children().size(); ++i) {
        RectControl* child = c.children()[i];
        if (!child->opened() && !Runtime::quitting()) openControl(*child);
    }
    if (c.opened() || Runtime::quitting()) return;
    OpenSequence::markOpened(c);
    guarded([&] { c.handleOpen(); });
}
}  // namespace

void OpenSequence::markOpened(RectControl& c) { c.opened_ = true; }

void Window::runOpenEvents() {
    if (opened_ || closing_ || Runtime::quitting()) return;
    opened_ = true;
    // The count is read again on every pass: an Open may add controls.
    for (size_t i = 0; i < controls_.size(); ++i) {
        RectControl& c = *controls_[i];
        if (!c.Parent() && !c.opened()) openControl(c);
        if (Runtime::quitting()) return;
    }
    guarded([&] { handleOpen(); });
}

void Window::Show() {
    if (Runtime::quitting() || closing_) return;
    if (!built_) finishBuilding();
    runOpenEvents();
    if (Runtime::quitting() || closing_) return;
    Visible.setQuietly(true);
    mirrorVisibility(true);
    widget_->raise();
    widget_->activateWindow();
    WindowList::activate(*this);
}

void Window::Hide() {
    Visible.setQuietly(false);
    mirrorVisibility(false);
}

void Window::mirrorVisibility(bool visible) {
    if (visible) {
        if (Runtime::quitting() || closing_) return;
        if (!opened_) runOpenEvents();
        shown_ = true;
        widget_->show();
    } else {
        shown_ = false;
        WindowList::hidden(*this);
        widget_->hide();
    }
}

void Window::closeWindow() {
    if (closing_) return;  // Close from inside Close
    closing_ = true;
    // The focused control saves its edit while everything is still there.
    guarded([&] { focus_->flush(); });
    guarded([&] { handleClose(); });
    for (size_t i = 0; i < controls_.size(); ++i) {
        RectControl& c = *controls_[i];
        if (c.closed_) continue;
        c.closed_ = true;
        guarded([&] { c.handleClose(); });
    }
    shown_ = false;
    widget_->hide();
    ImplicitWindows::forget(*this);
    WindowList::closed(*this);
}

// --- geometry ----------------------------------------------------------------

void Window::clientResized(int32_t width, int32_t height, bool byUserDrag) {
    if (!built_) {
        // Design values: the controls are placed for the design size, and
        // no handler runs yet.
        Width.setQuietly(width);
        Height.setQuietly(height);
        lastWidth_ = width;
        lastHeight_ = height;
        applyClientSize();
        return;
    }
    const int32_t dw = width - lastWidth_, dh = height - lastHeight_;
    Width.setQuietly(width);
    Height.setQuietly(height);
    lastWidth_ = width;
    lastHeight_ = height;
    applyClientSize();
    if (dw == 0 && dh == 0) return;
    // Locks first, so Resizing handlers see the controls in their new places.
    for (size_t i = 0; i < controls_.size(); ++i) {
        RectControl& c = *controls_[i];
        if (!c.Parent()) c.parentResizedBy(dw, dh);
    }
    handleResizing();
    // Qt does not say when the user lets go of the frame; a short pause in
    // the resize steps stands for it.
    raiseResizedLater(byUserDrag ? 150 : 0);
}

void Window::raiseResizedLater(int delayMs) {
    const int generation = ++resizedGeneration_;
    QTimer::singleShot(delayMs, widget_, [this, generation] {
        if (generation == resizedGeneration_ && !closing_) guarded([&] { handleResized(); });
    });
}

void Window::applyClientSize() {
    const int menuHeight = widget_->menuWidget() ? widget_->menuWidget()->sizeHint().height() : 0;
    const int w = std::max(0, Width.get()), h = std::max(0, Height.get());
    widget_->resize(w, h + menuHeight);
    widget_->content()->resize(w, h);
}

// Not Qt's full-screen mode: that would hide the menu bar the product keeps.
void Window::applyFullScreen(bool full) {
    if (full) {
        normalGeometry_[0] = Left.get();
        normalGeometry_[1] = Top.get();
        normalGeometry_[2] = Width.get();
        normalGeometry_[3] = Height.get();
        const ScreenInfo screen = services().screen(0);
        const int menuHeight = widget_->menuWidget() ? widget_->menuWidget()->sizeHint().height() : 0;
        Left = screen.AvailableLeft;
        Top = screen.AvailableTop;
        clientResized(screen.AvailableWidth, screen.AvailableHeight - menuHeight);
    } else {
        Left = normalGeometry_[0];
        Top = normalGeometry_[1];
        clientResized(normalGeometry_[2], normalGeometry_[3]);
    }
}

void Window::applyPosition() { widget_->move(Left.get(), Top.get()); }

void Window::applySizeLimits() {
    const int menuHeight = widget_->menuWidget() ? widget_->menuWidget()->sizeHint().height() : 0;
    if (!Resizeable.get()) {
        widget_->setFixedSize(std::max(0, Width.get()), std::max(0, Height.get()) + menuHeight);
        return;
    }
    widget_->setMinimumSize(std::max(0, MinWidth.get()), std::max(0, MinHeight.get()) + menuHeight);
    widget_->setMaximumSize(std::clamp(MaxWidth.get(), 0, QWIDGETSIZE_MAX),
                            std::clamp(MaxHeight.get() + menuHeight, 0, QWIDGETSIZE_MAX));
}

void Window::applyFrame() {
    Qt::WindowFlags flags;
    switch (Frame.get()) {
        case FloatingFrame: flags = Qt::Tool; break;
        case FixedFrame:
            flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
            break;
        default: flags = Qt::Window; break;
    }
    if (Frame.get() == FixedFrame || !CloseButton.get()) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (CloseButton.get()) flags |= Qt::WindowCloseButtonHint;
    }
    const bool wasVisible = widget_->isVisible();
    widget_->setWindowFlags(flags);
    if (wasVisible) widget_->show();
}

// --- activation -------------------------------------------------------------

void Window::setActive(bool active) {
    if (active == active_) return;
    if (!active) {
        guarded([&] { focus_->windowDeactivated(); });
        active_ = false;
        guarded([&] { handleDeactivate(); });
    } else {
        active_ = true;
        guarded([&] { handleActivate(); });
        guarded([&] { focus_->windowActivated(); });
    }
}
