#include "controls/rating/RatingWidget.h"

#include "controls/rating/StarPolygon.h"
#include "framework/runtime/Numbers.h"

RatingWidget::RatingWidget()
    : max(5),
      mrating(0),
      dx(0),
      rating([this] { return mrating.get(); },
             [this](const int32_t& value) {
                 mrating = value;
                 Refresh(true);
             }) {}

RatingWidget::RatingWidget(int32_t initialRating, int32_t starCount) : RatingWidget() {
    rating = initialRating;
    max = starCount;
}

void RatingWidget::handlePaint(::Graphics& g) {
    const int32_t w = Width.get();
    const int32_t h = Height.get();
    g.ForeColor = kBackground;
    g.FillRect(0, 0, w, h);
    g.ForeColor = kFrame;
    g.DrawRect(0, 0, w, h);
    // Lighter lines just inside the top and left of the frame; the top one
    // runs a pixel past the frame and is clipped.
    g.ForeColor = kInnerShade;
    g.DrawLine(1, 1, w, 1);
    g.DrawLine(1, 1, 1, h);

    int32_t x = toInt32(h / 2.0 + 2.0);
    dx = toInt32(w / 5.0 - 2.0);
    const int32_t size = toInt32(h / 2.0);
    const int32_t stars = max.get();
    const int32_t filledStars = mrating.get();
    const int32_t step = dx.get();
    for (int32_t i = 1; i <= stars; ++i) {
        DrawStar(g, x, size, size, size, 0.42, 5, i <= filledStars);
        x = add32(x, step);
    }
}

void RatingWidget::DrawStar(::Graphics& g, int32_t centreX, int32_t centreY, int32_t width, int32_t height,
                            double innerRatio, int32_t points, bool filled) {
    g.PenWidth = 1;
    g.PenHeight = 1;
    const std::vector<int32_t> polygon = starPolygon(centreX, centreY, width, height, innerRatio, points);
    if (polygon.empty()) return;
    g.ForeColor = kStarOutline;
    g.DrawPolygon(polygon);
    if (!filled) return;
    g.ForeColor = kStarGold;
    g.FillPolygon(polygon);
}

bool RatingWidget::handleMouseDown(int32_t x, int32_t) {
    const double h = Height.get();
    // About at the first star's left tip. Before the first paint dx is 0 and
    // the threshold lies left of the control, so no click clears the rating.
    const double threshold = (dx.get() - h / 2.0) + 3.0;
    // A zero width divides by zero here; the framework's conversion turns
    // the result into a defined number, which the limits below then catch.
    if (x < threshold) rating = 0;
    else rating = toInt32(x / static_cast<double>(Width.get()) * 5.0 + 1.0);
    if (rating.get() > max.get()) rating = max.get();
    else if (rating.get() < 0) rating = 0;
    Refresh(true);
    return true;
}
