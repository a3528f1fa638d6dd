#pragma once
// The keyboard focus of one window, kept by the framework rather than by Qt.
//
// Qt only moves focus while a window is active, and offscreen activation is
// unreliable, so the control that has the focus is ours: SetFocus and
// ClearFocus raise LostFocus of the old control and then GotFocus of the new
// one at once, and Qt's own focus changes (clicks, Tab) are fed through the
// same transition, duplicates dropped. That record is the one truth for which
// control has the focus: Qt's focus widget follows it (mirrorToQt) and moves
// it only through that transition. Pop-up menus and the menu bar (Alt, or a
// menu closed with Escape) borrow Qt's focus without touching the record and
// give it back to the recorded control. A focus request made from inside a
// LostFocus or GotFocus handler is queued and applied after the current
// transition, in order, so every GotFocus is followed by its LostFocus.
//
// While the window is inactive the focused control is only recorded: the
// window's deactivation raised its LostFocus and reactivation raises its
// GotFocus (a drop from another program meets exactly that). LostFocus says
// which of the three it is (FocusLoss.h): a move to another control, the
// window left, or the window closing; handlers never work it out themselves. A window that
// becomes active with no control recorded gives the focus to its first
// focusable control, as Qt does. A modal box shown from one of the focused
// control's own handlers does not take its focus (ModalSession.h).
#include <deque>

#include "framework/ui/FocusLoss.h"

class QWidget;
class RectControl;
class Window;

class FocusModel {
public:
    explicit FocusModel(Window& window) : window_(window) {}

    RectControl* focused() const { return focused_; }
    // True between a control's GotFocus and its LostFocus.
    bool holding() const { return holding_; }

    // SetFocus, ClearFocus (nullptr), and Qt focus-in from clicks and Tab.
    void setFocus(RectControl* target);
    // Qt gave a control the focus: same as setFocus, but if the window was not
    // active the control is recorded before activation raises its GotFocus.
    void focusArrivedFromQt(RectControl* target);

    // Qt gave a control the focus because its window became active (the
    // window's first focusable control, or the one Qt remembered). Learnt
    // when the model has no control that can still take the focus.
    void focusArrivedOnActivation(RectControl* target);

    // GotFocus of the recorded control. With none recorded, the window's
    // first focusable control in Qt's focus chain gets the focus on the next
    // turn of the loop, as Qt gives it when the activation arrives.
    void windowActivated();
    // LostFocus of the focused control, kept recorded; not raised when a
    // modal box shown from one of that control's own handlers deactivates
    // the window (ModalSession.h).
    void windowDeactivated();
    // Closing and quitting: LostFocus of the focused control, so its edit is
    // saved, and the control stays recorded. Nothing happens twice.
    void flush();

    // A control is going away: forget it without raising anything.
    void forget(const RectControl* control);

    // Whether the control can have this window's focus now (accepts it,
    // enabled, would be visible).
    bool takesFocus(const RectControl* control) const;
    RectControl* firstFocusable() const;

    // Points Qt's focus at the recorded control: the one place Qt's focus is
    // set from the record. With no control recorded, a widget that is no
    // control (the menu bar holding the keys) keeps Qt's focus.
    void mirrorToQt();

private:
    // The first control after `start` in Qt's focus chain that can take the
    // focus now (wrapping round), or nullptr.
    RectControl* firstFocusableAfter(QWidget* start) const;
    void giveInitialFocus();
    // LostFocus of the focused control for `why`, which stays recorded.
    void loseFocus(FocusLoss why);
    void transition(RectControl* target);

    Window& window_;
    RectControl* focused_ = nullptr;
    bool holding_ = false;
    bool busy_ = false;
    std::deque<RectControl*> pending_;
};
