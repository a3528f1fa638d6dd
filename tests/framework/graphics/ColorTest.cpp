#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "framework/graphics/Color.h"

TEST(Color, RGBPacksAndClampsComponents) {
    EXPECT_EQ(RGB(0xE1, 0xAC, 0x45), 0xE1AC45u);
    EXPECT_EQ(RGB(300, -5, 255), 0xFF00FFu);
    EXPECT_EQ(redOf(0xC80000), 200);
    EXPECT_EQ(greenOf(0x009600), 150);
    EXPECT_EQ(blueOf(0x000096), 150);
}

TEST(Color, HSVGreyIsValueRoundedToAByte) {
    EXPECT_EQ(HSV(0, 0, 0.55), 0x8C8C8Cu);  // 140.25 -> 140
    EXPECT_EQ(HSV(0, 0, 0.94), 0xF0F0F0u);  // 239.7 -> 240
    EXPECT_EQ(HSV(0, 0, 0.30), 0x4D4D4Du);  // 76.5 -> 77
    EXPECT_EQ(HSV(0, 0, 0), 0x000000u);
}

TEST(Color, HSVValuesOutsideTheUnitIntervalAreClamped) {
    // The splitter's large dimples pass 1.056 and 1.1; they must be white.
    EXPECT_EQ(HSV(0, 0, 1.1), 0xFFFFFFu);
    EXPECT_EQ(HSV(0, 0, 1.056), 0xFFFFFFu);
    EXPECT_EQ(HSV(0, 0, -0.2), 0x000000u);
    EXPECT_EQ(HSV(0, 1.5, 1), 0xFF0000u);
    EXPECT_EQ(HSV(0, 0, std::numeric_limits<double>::quiet_NaN()), 0x000000u);
}

TEST(Color, HSVHues) {
    EXPECT_EQ(HSV(0, 1, 1), 0xFF0000u);
    EXPECT_EQ(HSV(1.0 / 3, 1, 1), 0x00FF00u);
    EXPECT_EQ(HSV(2.0 / 3, 1, 1), 0x0000FFu);
    EXPECT_EQ(HSV(1, 1, 1), 0xFF0000u);  // hue wraps round to red
    EXPECT_EQ(HSV(0.5, 0.5, 1), 0x80FFFFu);
}
