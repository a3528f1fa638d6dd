#pragma once
// A straight line between two points in window coordinates. The control's
// box follows the end points, so X1..Y2 and Left/Top/Width/Height agree.
#include "framework/graphics/Color.h"
#include "framework/ui/RectControl.h"

class Line : public RectControl {
public:
    Line();

    Property<int32_t> X1, Y1, X2, Y2;
    Property<int32_t> BorderWidth;
    Property<Color> LineColor;

private:
    void placeBox();
};
