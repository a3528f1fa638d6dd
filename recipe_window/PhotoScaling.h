#pragma once
// Where a photo goes in its canvas: at its natural size when it fits, else
// scaled down (never up) with its proportions kept; centred either way.
// Every double becomes a pixel by dropping its fraction.
#include <cstdint>

struct PhotoPlacement {
    int32_t x = 0, y = 0, width = 0, height = 0;
};

PhotoPlacement placePhoto(int32_t pictureWidth, int32_t pictureHeight, int32_t canvasWidth, int32_t canvasHeight);
