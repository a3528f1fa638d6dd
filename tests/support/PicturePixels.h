#pragma once
// A picture's pixels for tests outside the framework, which do not use Qt.
#include <cstdint>

class Picture;

// 0xRRGGBB of the pixel at x, y as the picture is drawn (alpha dropped).
uint32_t pictureRgbAt(const Picture& picture, int32_t x, int32_t y);
