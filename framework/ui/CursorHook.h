#pragma once
// Shows a framework cursor on a widget (internal). nullptr = the standard
// cursor (the widget's own, e.g. the I-beam of a text field).
class QWidget;
class MouseCursor;

void applyCursor(QWidget* widget, const MouseCursor* cursor);
