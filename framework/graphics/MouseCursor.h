#pragma once
// The framework's system cursors. A control or window holds a
// `const MouseCursor*`; nullptr means the standard cursor.
class MouseCursor {
public:
    enum class Shape { Arrow, IBeam, SplitterEastWest, SplitterNorthSouth, Wait, PointingHand, Cross };
    explicit constexpr MouseCursor(Shape shape) : shape_(shape) {}
    constexpr Shape shape() const { return shape_; }

private:
    Shape shape_;
};

const MouseCursor* ArrowCursor();
const MouseCursor* IBeamCursor();
const MouseCursor* SplitterEastWest();
const MouseCursor* SplitterNorthSouth();
const MouseCursor* WaitCursor();
const MouseCursor* FingerPointerCursor();
const MouseCursor* CrossCursor();
