#pragma once
// The vertices of a star as the rating draws it, in the polygon array form
// the Graphics calls take (element 0 unused, then x, y pairs): outer and
// inner vertices alternate, 2 x points vertices in all.
#include <cstdint>
#include <vector>

// The drawing was designed with this value of pi, not the closest double; it
// decides a pixel here and there (a vertex at 12.99999999999976 becomes 12).
inline constexpr double kStarPi = 3.14159265359;

// Empty (not even element 0) for fewer than 2 points, where the start angle
// would divide by zero.
std::vector<int32_t> starPolygon(int32_t centreX, int32_t centreY, int32_t width, int32_t height, double innerRatio,
                                 int32_t points);
