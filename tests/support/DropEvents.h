#pragma once
// Qt's drag-and-drop events as a drag over the program delivers them: enter,
// move, then the drop, each only if the one before was accepted. Used for
// drops from outside (UiDriver::drop) and for the end of a drag the program
// started itself (ScriptedUiService::startDrag).
class QMimeData;
class QPoint;
class QWidget;

// Answers whether the drop was taken.
bool sendDropEvents(QWidget* target, const QPoint& pos, const QMimeData& mime);
// The deepest widget of the program's shown windows at a screen position,
// and that position in its coordinates; nullptr when none is there.
QWidget* widgetAtScreen(const QPoint& global, QPoint& local);
