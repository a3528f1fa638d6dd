#include "framework/ui/FocusModel.h"

#include "framework/ui/MenuIntegration.h"

#include "framework/ui/HandlerScope.h"
#include "framework/ui/ModalSession.h"
#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

#include "framework/ui/ExceptionRouting.h"
#include "framework/ui/ControlInputFilter.h"

#include <QApplication>
#include <QTimer>
#include <QMainWindow>
#include <QWidget>
#include <algorithm>

namespace {
// Resets the busy flag however the handlers leave (an exception included).
struct BusyScope {
    bool& flag;
    explicit BusyScope(bool& f) : flag(f) { flag = true; }
    ~BusyScope() { flag = false; }
};
}  // namespace

void FocusModel::setFocus(RectControl* target) {
    pending_.push_back(target);
    if (busy_) return;  // applied after the transition in progress
    BusyScope scope(busy_);
    try {
        while (!pending_.empty()) {
            RectControl* next = pending_.front();
            pending_.pop_front();
            transition(next);
        }
    } catch (...) {
        pending_.clear();  // a handler failed: the requests queued behind it are dropped
        throw;
    }
    mirrorToQt();
    scheduleMenuEnablingPass();  // menus that follow the focus
}

void FocusModel::transition(RectControl* target) {
    if (target == focused_ && (holding_ || !window_.isActive())) return;  // duplicate
    RectControl* old = focused_;
    const bool oldHeld = holding_;
    const bool targetTookFocus = takesFocus(target);
    focused_ = target;
    holding_ = false;
    if (old && oldHeld && old != target) {
        HandlerScope scope(old);
        old->handleLostFocus(FocusLoss::WithinWindow);
    }
    // The LostFocus handler may have disabled the control the focus was
    // going to (a save that leaves nothing to edit): as Qt does for a
    // disabled focus widget, the focus goes on to the next control that can
    // take it, so keys never go to a control that refuses them.
    if (target && focused_ == target && !holding_ && targetTookFocus && !takesFocus(target)) {
        target = firstFocusableAfter(target->widget());
        focused_ = target;
    }
    // The LostFocus handler may have shown a dialog: the window was then
    // deactivated and reactivated, and the reactivation already raised the
    // new control's GotFocus.
    if (target && focused_ == target && !holding_ && window_.isActive()) {
        holding_ = true;
        HandlerScope scope(target);
        target->handleGotFocus();
    }
}

void FocusModel::focusArrivedFromQt(RectControl* target) {
    if (!window_.isActive()) {
        // The window is being activated by this very click or Tab: record the
        // control so that activation raises its GotFocus once.
        if (!holding_) focused_ = target;
        return;
    }
    setFocus(target);
}

// Qt's own choice when a window becomes active with no focus widget: the
// first widget of its focus chain that takes the focus by Tab, is enabled
// and would be visible.
RectControl* FocusModel::firstFocusable() const { return firstFocusableAfter(window_.widget()); }

RectControl* FocusModel::firstFocusableAfter(QWidget* start) const {
    QWidget* top = window_.widget();
    if (!top || !start) return nullptr;
    for (QWidget* w = start->nextInFocusChain(); w && w != start; w = w->nextInFocusChain()) {
        if (w == top || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() || !w->isVisibleTo(top)) continue;
        RectControl* control = ControlRegistry::controlFor(w);
        if (control && takesFocus(control)) return control;
    }
    return nullptr;
}

bool FocusModel::takesFocus(const RectControl* control) const {
    QWidget* top = window_.widget();
    if (!control || !top || !control->AcceptFocus.get() || !control->Enabled.get()) return false;
    QWidget* w = control->widget();
    return w && w->window() == top && w->isEnabled() && w->isVisibleTo(top);
}

void FocusModel::giveInitialFocus() {
    if (!window_.isActive() || focused_ || busy_) return;
    if (RectControl* first = firstFocusable()) setFocus(first);
}

void FocusModel::focusArrivedOnActivation(RectControl* target) {
    if (target == focused_) return;
    // Our recorded control wins (Qt follows it through mirrorToQt); Qt's pick
    // counts when we had none, or ours can no longer take the focus.
    if (focused_ && takesFocus(focused_)) return;
    focusArrivedFromQt(target);
}

void FocusModel::windowActivated() {
    if (!focused_) {
        // As Qt does once the activation arrives: the first control in the
        // focus chain gets the focus, on the next turn of the loop, unless
        // code or the user gave it to a control first. A window with no
        // control to focus (the about and photo windows) gets no focus
        // change, so its menus are brought into line here.
        QTimer::singleShot(0, window_.widget(), [this] { guarded([this] { giveInitialFocus(); }); });
        scheduleMenuEnablingPass();
        return;
    }
    if (focused_ && !holding_) {
        holding_ = true;
        RectControl* control = focused_;
        HandlerScope scope(control);
        control->handleGotFocus();
        mirrorToQt();
    }
    scheduleMenuEnablingPass();  // the menus of the window now in front
}

void FocusModel::windowDeactivated() {
    if (!focused_ || !holding_) return;
    // A box shown from one of the focused control's own handlers: the
    // control keeps the focus (no LostFocus now, no GotFocus on return).
    if (ModalSession::deactivatingForBox() && HandlerScope::running(focused_)) return;
    loseFocus(FocusLoss::WindowLeft);
}

void FocusModel::flush() { loseFocus(FocusLoss::WindowClosing); }

void FocusModel::loseFocus(FocusLoss why) {
    if (focused_ && holding_) {
        holding_ = false;
        RectControl* control = focused_;
        HandlerScope scope(control);
        control->handleLostFocus(why);
    }
}

void FocusModel::forget(const RectControl* control) {
    if (focused_ == control) {
        focused_ = nullptr;
        holding_ = false;
    }
    pending_.erase(std::remove(pending_.begin(), pending_.end(), control), pending_.end());
}

// Qt follows our model; the focus events this causes come back as
// duplicates and are dropped.
void FocusModel::mirrorToQt() {
    QWidget* top = window_.widget();
    if (!top) return;
    if (focused_ && focused_->widget()) {
        QWidget* w = focused_->widget();
        if (w->focusProxy()) w = w->focusProxy();
        // While the window is inactive Qt has no focus widget of it, but
        // remembers the one it will give the keyboard back to: a list's open
        // cell editor is the list's own and keeps it.
        QWidget* current = QApplication::focusWidget();
        if (!current || current->window() != top) current = top->focusWidget();
        if (current != w && !w->isAncestorOf(current)) w->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* current = top->focusWidget(); current && ControlRegistry::controlFor(current)) {
        current->clearFocus();
    }
}
