#include "framework/ui/CursorHook.h"

#include "framework/graphics/MouseCursorQt.h"

#include <QWidget>

void applyCursor(QWidget* widget, const MouseCursor* cursor) {
    if (!widget) return;
    if (!cursor) widget->unsetCursor();
    else widget->setCursor(qtCursorShape(cursor));
}
