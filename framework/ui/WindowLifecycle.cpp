// Building, opening, showing and closing a window: the Open-event order and
// the close sequence that lets the focused control save first.
#include "framework/ui/Application.h"
#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ImplicitWindows.h"
#include "framework/ui/Runtime.h"
#include "framework/ui/FocusModel.h"
#include "framework/ui/MenuIntegration.h"
#include "framework/ui/Window.h"
#include "framework/ui/WindowList.h"
#include "framework/ui/WindowWidget.h"

#include <QTimer>
#include <QWindow>

void Window::finishBuilding() {
    if (built_) return;
    built_ = true;
    // The old platform's one menu bar stayed at the top of the screen over
    // every window; here menu bars belong to windows, so a window without a
    // bar of its own shows the application's (a full-screen window would
    // otherwise leave the menus out of reach, and the about window's menus
    // are the application's). Floating windows (palettes, progress) show none.
    Application* app = currentApplication();
    if (!MenuBar.get() && MenuBarVisible.get() && Frame.get() != FloatingFrame && app && app->MenuBar)
        installMenuBar(*this, app->MenuBar);
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
    openingPass_ = true;
    // The count is read again on every pass: an Open may add controls.
    for (size_t i = 0; i < controls_.size(); ++i) {
        RectControl& c = *controls_[i];
        if (!c.Parent() && !c.opened()) openControl(c);
        if (Runtime::quitting()) break;
    }
    openLateControls();  // ones an Open embedded in a control already opened
    openingPass_ = false;
    if (Runtime::quitting()) return;
    guarded([&] { handleOpen(); });
}

void Window::openLateControls() {
    lateOpensPosted_ = false;
    for (size_t i = 0; i < controls_.size() && !Runtime::quitting() && !closing_; ++i)
        if (!controls_[i]->opened()) openControl(*controls_[i]);
}

void Window::Show() {
    if (Runtime::quitting() || closing_) return;
    if (!built_) finishBuilding();
    runOpenEvents();
    if (Runtime::quitting() || closing_) return;
    Visible.setQuietly(true);
    floatAboveDocument();
    // Another window keeps the keyboard: the desktop is told not to hand
    // this one the focus as it maps it.
    const bool leaveActivation = showWithoutActivating_ && WindowList::activeWindow() != nullptr;
    widget_->setAttribute(Qt::WA_ShowWithoutActivating, leaveActivation);
    mirrorVisibility(true);
    if (keepFrameOnScreen_) {
        fitFrameOnScreen();
        // The window manager reports its frame a moment after mapping, with
        // no event that Qt passes on when the client does not move: look
        // again while it settles.
        for (int delayMs : {50, 200, 600})
            QTimer::singleShot(delayMs, widget_, [this] { frameMayHaveChanged(); });
    }
    // A window the user minimized comes back as it was (maximized stays
    // so): raising or activating it alone leaves it an icon, the window
    // system hands it no keys, and it must not count as active.
    if (widget_->isMinimized()) widget_->setWindowState(widget_->windowState() & ~Qt::WindowMinimized);
    widget_->raise();
    if (leaveActivation) return;
    widget_->activateWindow();
    WindowList::activate(*this);
}

// A floating window (the converter, the font palette) stays above the
// document window it serves: the front document window becomes its
// transient parent. Ownership stays with the framework.
void Window::floatAboveDocument() {
    if (Frame.get() != FloatingFrame) return;
    for (Window* other : WindowList::frontToBack()) {
        if (other == this || other->Frame.get() != DocumentFrame || !other->isShown()) continue;
        widget_->winId();  // makes the native window
        other->widget()->winId();
        widget_->windowHandle()->setTransientParent(other->widget()->windowHandle());
        return;
    }
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
