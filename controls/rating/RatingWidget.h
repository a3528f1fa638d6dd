#pragma once
// A row of five-pointed stars, the first `rating` of them filled in gold; one
// click sets the rating. The control raises nothing of its own: its MouseDown
// claims the press, so the window hears of a new rating in its MouseUp.
//
// Spacing and the click mapping divide the width by 5 whatever `max` is;
// `max` only says how many stars are drawn and caps a clicked rating.
#include <cstdint>

#include "framework/ui/controls/Canvas.h"

class RatingWidget : public Canvas {
public:
    RatingWidget();
    // Stores the rating (refreshing), then the number of stars.
    RatingWidget(int32_t rating, int32_t max);

    Property<int32_t> max;
    Property<int32_t> mrating;
    // Distance between star centres, worked out by each paint; 0 before the first.
    Property<int32_t> dx;
    // No range check: a value above max fills every star and reads back as
    // written; a negative one fills none. Each write repaints.
    Property<int32_t> rating;

    void handlePaint(::Graphics& g) override;
    bool handleMouseDown(int32_t x, int32_t y) override;
    // Draws nothing for fewer than 2 points.
    virtual void DrawStar(::Graphics& g, int32_t centreX, int32_t centreY, int32_t width, int32_t height,
                          double innerRatio, int32_t points, bool filled);

    static constexpr Color kBackground = 0xFFFFFF;
    static constexpr Color kFrame = 0xADADAD;
    static constexpr Color kInnerShade = 0xC9C9C9;
    static constexpr Color kStarOutline = 0xE0E1DA;
    static constexpr Color kStarGold = 0xE1AC45;

private:
    // Painting and the click are the control's own; a window cannot bind them.
    using Canvas::MouseDown;
    using Canvas::Paint;
};
