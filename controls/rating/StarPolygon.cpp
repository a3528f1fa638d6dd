#include "controls/rating/StarPolygon.h"

#include <cmath>

#include "framework/runtime/Numbers.h"

std::vector<int32_t> starPolygon(int32_t centreX, int32_t centreY, int32_t width, int32_t height, double innerRatio,
                                 int32_t points) {
    if (points < 2) return {};
    // For five points the start is -pi/2, so one outer tip points straight up.
    const double start = -2.0 * kStarPi / (points - 1);
    const double step = 2.0 * kStarPi / points;
    std::vector<int32_t> polygon{0};
    polygon.reserve(1 + 4 * static_cast<size_t>(points));
    for (int32_t i = 1; i <= points; ++i) {
        const double outer = step * i + start;
        polygon.push_back(toInt32(centreX + std::cos(outer) * (width / 2.0)));
        polygon.push_back(toInt32(centreY + std::sin(outer) * (height / 2.0)));
        const double inner = outer + kStarPi / points;
        polygon.push_back(toInt32(centreX + std::cos(inner) * (width * innerRatio / 2.0)));
        polygon.push_back(toInt32(centreY + std::sin(inner) * (height * innerRatio / 2.0)));
    }
    return polygon;
}
