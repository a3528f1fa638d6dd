#pragma once
// Shows a framework cursor on a widget. The graphics layer owns the cursor
// kinds and their Qt shapes; it installs the mapping here, so the ui base
// needs no knowledge of them. nullptr = the standard cursor.
#include <functional>

class QWidget;
class MouseCursor;

using CursorMapper = std::function<void(QWidget*, const MouseCursor*)>;
void setCursorMapper(CursorMapper mapper);
void applyCursor(QWidget* widget, const MouseCursor* cursor);
