#pragma once
// Framework-internal: the Qt cursor for a framework cursor.
#include <Qt>

#include "framework/graphics/MouseCursor.h"

// nullptr (the standard cursor) gives Qt::ArrowCursor.
Qt::CursorShape qtCursorShape(const MouseCursor* cursor);
