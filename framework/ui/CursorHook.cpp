#include "framework/ui/CursorHook.h"

#include <QWidget>

namespace {
CursorMapper& mapper() {
    static CursorMapper installed;
    return installed;
}
}  // namespace

void setCursorMapper(CursorMapper m) { mapper() = std::move(m); }

void applyCursor(QWidget* widget, const MouseCursor* cursor) {
    if (!widget) return;
    if (!cursor) widget->unsetCursor();
    else if (mapper()) mapper()(widget, cursor);
}
