#pragma once
// Qt input and focus events of a control's widgets, turned into framework
// dispatch calls (internal). Each control widget (and every inner widget a
// control routes) carries one filter, owned by the widget.
class QWidget;
class RectControl;

namespace ControlRegistry {
void add(QWidget* widget, RectControl* control);
void removeControl(const RectControl* control);
// The control a widget belongs to: the widget itself or its nearest
// registered ancestor. nullptr for widgets outside any control.
RectControl* controlFor(const QWidget* widget);
}  // namespace ControlRegistry

void installControlInputFilter(QWidget* widget, RectControl* control);
