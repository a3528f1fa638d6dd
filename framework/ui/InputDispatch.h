#pragma once
// The framework's input rules, entered by the Qt event filters and by the
// test driver alike, so simulated input meets the same rules as real input.
//
// Mouse: only a MouseDown that returns True gets that press's MouseDrag and
// MouseUp (the press is then hidden from Qt); False lets the control's own
// Qt behaviour handle the click and no MouseUp follows. Keys: the focused
// control's KeyDown sees a key first; True consumes it. Focus: Qt's focus
// changes feed the window's focus model, except those caused by pop-up
// menus and the menu bar (which borrow Qt's focus and raise nothing) and by
// window activation (which the activation model handles). A press that
// gives a control the focus tells it first (pressTakingFocus).
#include <cstdint>
#include <memory>
#include <string>

#include <Qt>

#include "framework/ui/MouseState.h"

class QPoint;
class QWidget;
class DragItem;
struct DragRequest;
class RectControl;
class Window;

namespace InputDispatch {

// A press at control coordinates. True: captured (Qt must not see it).
bool mouseDown(RectControl& control, int32_t x, int32_t y, bool contextual);
// A press on the window's client area outside every control.
bool windowMouseDown(Window& window, int32_t x, int32_t y, bool contextual);
// Pointer moved / released at a global position while a press is captured.
// False (and nothing raised) when no press is captured. A move with no
// button held ends the capture (a pop-up menu opened by the press took its
// release) and answers false: it is a plain move, never a drag.
bool mouseDragTo(const QPoint& global, Qt::MouseButtons buttons);
bool mouseUpAt(const QPoint& global);
bool hasCapture();
void mouseHover(RectControl& control, int32_t x, int32_t y);
void mouseEnter(RectControl& control);
void mouseExit(RectControl& control);

// The focused control's KeyDown (True = consumed). Keys for other controls
// (a key travelling up from a child) are not dispatched.
bool keyDown(RectControl& control, const std::string& key);
// A key that reached the window: no control consumed it.
bool windowKeyDown(Window& window, const std::string& key);

// A drag out of the program (DragItem::Drag). Asked for inside a MouseDown
// handler, it waits: it starts once the pointer has moved the platform's
// drag distance (QApplication::startDragDistance) with the button down, from
// the move handler, never inside the press; a release before that is a
// click, with its MouseUp. Elsewhere it runs at once. Answers the action the
// target took (ActionDefault while waiting, or when nothing took it).
int32_t drag(const DragRequest& request);
// The control a running drag started from (nullptr: none, or from outside).
// A drop on it is refused: it already holds what is dragged.
RectControl* draggingFrom();

// A drag over a control at control coordinates: True when the control takes
// it there (it registered for what the drag offers and DragOver did not
// refuse). drop raises DropObject.
bool dragOver(RectControl& control, int32_t x, int32_t y, const std::shared_ptr<DragItem>& item, int32_t action);
void drop(RectControl& control, const std::shared_ptr<DragItem>& item, int32_t action);
bool windowTakesDrag(Window& window, const DragItem& item);
void windowDrop(Window& window, const std::shared_ptr<DragItem>& item, int32_t action);

void focusIn(RectControl& control, Qt::FocusReason reason);
void focusOut(RectControl& control, Qt::FocusReason reason, QWidget* newFocusWidget);

// A control or window is going away: drop any capture it holds.
void forget(const void* target);
void resetCapture();

}  // namespace InputDispatch
