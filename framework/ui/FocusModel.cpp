#include "framework/ui/FocusModel.h"

#include "framework/ui/RectControl.h"
#include "framework/ui/Window.h"

#include <QApplication>
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
}

void FocusModel::transition(RectControl* target) {
    if (target == focused_ && (holding_ || !window_.isActive())) return;  // duplicate
    RectControl* old = focused_;
    const bool oldHeld = holding_;
    focused_ = target;
    holding_ = false;
    if (old && oldHeld && old != target) old->handleLostFocus();
    // The LostFocus handler may have shown a dialog: the window was then
    // deactivated and reactivated, and the reactivation already raised the
    // new control's GotFocus.
    if (target && focused_ == target && !holding_ && window_.isActive()) {
        holding_ = true;
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

void FocusModel::windowActivated() {
    if (focused_ && !holding_) {
        holding_ = true;
        focused_->handleGotFocus();
        mirrorToQt();
    }
}

void FocusModel::windowDeactivated() {
    if (focused_ && holding_) {
        holding_ = false;
        focused_->handleLostFocus();
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
        if (QApplication::focusWidget() != w && !w->isAncestorOf(QApplication::focusWidget()))
            w->setFocus(Qt::OtherFocusReason);
    } else if (QWidget* current = top->focusWidget()) {
        current->clearFocus();
    }
}
