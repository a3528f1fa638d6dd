#include "framework/graphics/MouseCursor.h"

#include "framework/graphics/MouseCursorQt.h"

namespace {
constexpr MouseCursor arrow{MouseCursor::Shape::Arrow};
constexpr MouseCursor iBeam{MouseCursor::Shape::IBeam};
constexpr MouseCursor splitterEastWest{MouseCursor::Shape::SplitterEastWest};
constexpr MouseCursor splitterNorthSouth{MouseCursor::Shape::SplitterNorthSouth};
constexpr MouseCursor wait{MouseCursor::Shape::Wait};
constexpr MouseCursor pointingHand{MouseCursor::Shape::PointingHand};
constexpr MouseCursor cross{MouseCursor::Shape::Cross};
}  // namespace

const MouseCursor* ArrowCursor() { return &arrow; }
const MouseCursor* IBeamCursor() { return &iBeam; }
const MouseCursor* SplitterEastWest() { return &splitterEastWest; }
const MouseCursor* SplitterNorthSouth() { return &splitterNorthSouth; }
const MouseCursor* WaitCursor() { return &wait; }
const MouseCursor* FingerPointerCursor() { return &pointingHand; }
const MouseCursor* CrossCursor() { return &cross; }

Qt::CursorShape qtCursorShape(const MouseCursor* cursor) {
    if (!cursor) return Qt::ArrowCursor;
    switch (cursor->shape()) {
        case MouseCursor::Shape::Arrow: return Qt::ArrowCursor;
        case MouseCursor::Shape::IBeam: return Qt::IBeamCursor;
        case MouseCursor::Shape::SplitterEastWest: return Qt::SplitHCursor;
        case MouseCursor::Shape::SplitterNorthSouth: return Qt::SplitVCursor;
        case MouseCursor::Shape::Wait: return Qt::WaitCursor;
        case MouseCursor::Shape::PointingHand: return Qt::PointingHandCursor;
        case MouseCursor::Shape::Cross: return Qt::CrossCursor;
    }
    return Qt::ArrowCursor;
}
